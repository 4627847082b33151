#pragma once
// The panel's core on fakes, fed a switcher's answers taken from fuzz input: every status
// read goes over the link in use, and what the reads stored is then drawn and edited
// through recording views, whose bounds-checked arrays abort on a stray index.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "RecordingGroupingView.h"
#include "RecordingPresetHooks.h"
#include "RecordingRoutingView.h"
#include "TransportRig.h"
#include "groups/Grouping.h"
#include "model/Cp1252.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"
#include "status/LabelEnables.h"
#include "status/SetupPage.h"
#include "status/StatusReader.h"

namespace vx::fuzz {

// Stops the run with a message: libFuzzer keeps the input that got here.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
inline void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

struct NullProgress : ProgressView {
    void SetInfoText(const std::string&) override {}
    void SetProgressText(const std::string&) override {}
    void Show() override {}
    void Hide() override {}
};

struct CheckedLabelView : LabelEnableView {
    void SetInputLabelEnabled(int input, bool on) override { inputs.at(input) = on; }
    void SetOutputLabelEnabled(int output, bool on) override { outputs.at(output) = on; }
    std::array<bool, MaxInputs> inputs{};
    std::array<bool, MaxOutputs> outputs{};
};

// The firmware text must be the field's bytes before the first zero, one character each:
// encoded back into the switcher's code page it gives exactly those bytes. This holds
// however the label encodes them, where a bound on the text's length would not.
struct CheckedSetupView : SetupPageView {
    explicit CheckedSetupView(const SwitcherState& model) : model(model) {}
    void SetFrontPanelLockChecked(bool) override {}
    void SetVIStateChecked(bool) override {}
    void SetIpText(const std::string& text) override { Check(text.size() <= 15, "IP text too long"); }
    void SetFirmwareText(const std::string& text) override {
        const auto& field = model.Info.FirmwareVersion;
        const auto* end = std::find(std::begin(field), std::end(field), 0);
        const std::string bytes(std::begin(field), end);
        Check(Utf8ToCp1252(text) == bytes, "firmware text is not the firmware bytes");
        Check(text.size() <= bytes.size() * MaxUtf8BytesPerCp1252Char, "firmware text too long");
    }
    // The widest character of the code page (the euro sign and the other punctuation of
    // 0x80 to 0x9F) takes three bytes in UTF-8.
    static constexpr std::size_t MaxUtf8BytesPerCp1252Char = 3;
    const SwitcherState& model;
};

// An answer cut into pieces whose sizes come from the input (1 to maxPiece bytes each).
inline std::vector<std::string> CutIntoPieces(FuzzedDataProvider& in, const std::string& answer,
                                              std::size_t maxPiece) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < answer.size();) {
        const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(1, maxPiece);
        pieces.push_back(answer.substr(at, n));
        at += n;
    }
    return pieces;
}

// An answer from the input, repeated a number of times from the input, so that short
// inputs reach the answers that run past the reply buffer.
inline std::string LongAnswer(FuzzedDataProvider& in) {
    const std::string part = in.ConsumeRandomLengthString(ReplyBufferSize + 400);
    const int times = in.ConsumeBool() ? 1 : in.ConsumeIntegralInRange<int>(1, 400);
    std::string answer;
    for (int i = 0; i < times && answer.size() <= ReplyBufferSize + 400; ++i) answer += part;
    return answer;
}

struct StatusFuzzRig : test::TransportRig {
    NullProgress progress;
    StatusReader reader{ctx, statusQuery, progress};
    test::RecordingRoutingView routingView;
    test::RecordingGroupingView groupingView;
    test::RecordingPresetHooks hooks;
    CheckedLabelView labelView;
    CheckedSetupView setupView{model};
    OutputDisplay display{model, sender, routingView};
    Crosspoint crosspoint{model, sender, routingView, display, hooks};
    Grouping grouping{model, sender, groupingView};

    // The six reads in the order of the read sequence.
    void ReadEverything() {
        if (!reader.ReadMatrixInfo()) return;
        reader.ReadOutputStatus();
        reader.ReadPrevOutputStatus();
        reader.ReadPresetStatus();
        reader.ReadGroupingStatus();
        reader.ReadPresetGroupStatus();
    }

    // Draws every page from the model, then lets an operator click with indexes from the input.
    void UseTheModel(FuzzedDataProvider& in) {
        Check(model.OutputCount == 8 || model.OutputCount == 16, "output count not a switcher size");
        Check(model.InputCount == model.OutputCount, "input count differs from output count");
        model.EventsSuppressed = 1;
        display.RefreshRouting();
        RefreshLabelEnables(model, labelView);
        grouping.RefreshGroupingPage();
        RefreshSetupPage(model, setupView);
        model.EventsSuppressed = 0;
        for (int g = -1; g <= GroupCount; ++g) grouping.ShowGroup(g);
        for (int o = -1; o <= MaxOutputs; ++o) {
            crosspoint.ApplyInputGroupRule(o);
            crosspoint.ColourInputsForOutput(o);
        }
        crosspoint.ApplyInputGroupRule(NO_INPUT);
        grouping.UpdateGroupExistBoxes();
        for (int step = 0; step < 24 && in.remaining_bytes() > 0; ++step) {
            const int a = in.ConsumeIntegralInRange<int>(-2, 20);
            const int b = in.ConsumeIntegralInRange<int>(-2, 20);
            switch (in.ConsumeIntegralInRange<int>(0, 9)) {
                case 0:
                    crosspoint.OutputButtonClick(a);
                    break;
                case 1:
                    crosspoint.InputButtonClick(a);
                    break;
                case 2:
                    crosspoint.TakeButtonClick();
                    break;
                case 3:
                    crosspoint.CancelTakeButtonClick();
                    break;
                case 4:
                    groupingView.selected = a, grouping.GroupInputButtonClick(b);
                    break;
                case 5:
                    groupingView.selected = a, grouping.GroupOutputButtonClick(b);
                    break;
                case 6:
                    groupingView.selected = a, grouping.GroupingRemoveButtonClick();
                    break;
                case 7:
                    grouping.GroupingRemoveAllButtonClick();
                    break;
                case 8:
                    routingView.reclocker.at(static_cast<std::size_t>(b) % MaxOutputs) ^= true,
                        display.ReclockerCheckBoxClick(a);
                    break;
                default:
                    crosspoint.ClearAllRoutingButtonClick();
                    break;
            }
        }
    }
};

}  // namespace vx::fuzz
