// The panel and the switcher never come to disagree: random short sequences of the
// operator's actions (routes, take, cancel, presets with their preview, confirm and cancel,
// the page change, reclockers, group edits, file open and save, a read, a sequence start)
// run on the whole panel core over a serial link to a switcher that applies every line it
// is sent. After each sequence the model must hold the switcher's routes, fallback inputs,
// reclockers and groups; while a preview is open, the state saved beneath it must be the
// switcher's, and Confirm or Cancel must leave the model equal to the switcher again.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "FakeSwitcher.h"
#include "PanelRig.h"
#include "model/LiveCount.h"

namespace vx {
namespace {

constexpr unsigned Seed = 24;
constexpr int Sequences = 400;
constexpr int MaxSequenceLength = 8;
constexpr const char* SavedFile = "saved.vx";
constexpr const char* OpenedFile = "opened.vx";

class PanelSwitcherAgreementTest : public testing::Test {
protected:
    void SetUp() override {
        rig.fakes.serial.availablePorts = {1};
        rig.fakes.serial.onWrite = [this](const std::string& line) {
            rig.fakes.serial.Answer(switcher.Answer(line), 5);
        };
        rig.prompts.answers = {true};
        rig.core.FormShow();
        rig.core.StartupConnection();
        ASSERT_TRUE(rig.core.Link().SerialLinkActive);
    }

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    // One random operator action; what it was goes into the log.
    void RandomAction() {
        const int o = Pick(MaxOutputs), k = Pick(MaxInputs), p = Pick(PresetCount), g = Pick(GroupCount);
        switch (Pick(16)) {
            case 0:
            case 1:
                Log("route " + std::to_string(o + 1) + " " + std::to_string(k + 1));
                rig.core.OutputButtonClick(o);
                // An input its group rule disables cannot be clicked.
                if (rig.routing.inputEnabled[static_cast<std::size_t>(k)]) rig.core.InputButtonClick(k);
                break;
            case 2:
                Log("take");
                rig.core.TakeButtonClick();
                break;
            case 3:
                Log("cancel");
                rig.core.CancelTakeButtonClick();
                break;
            case 4:
                Log("store " + std::to_string(p + 1));
                rig.core.PresetsSaveButtonClick();
                rig.core.PresetButtonClick(p);
                break;
            case 5:
            case 6:
                Log("preview " + std::to_string(p + 1));
                rig.core.PresetsRecallButtonClick();
                rig.core.PresetButtonClick(p);
                break;
            case 7:
                Log("box cancel");
                rig.core.PresetRecallCancelButtonClick();
                rig.core.PresetSaveCancelButtonClick();
                break;
            case 8:
                Log("confirm");
                rig.core.PresetRecallConfirmButtonClick();
                break;
            case 9:
                Log("video page");
                rig.core.VideoPageEntered();
                break;
            case 10:
                Log("reclocker " + std::to_string(o + 1));
                rig.routing.ClickReclocker(o);
                rig.core.ReclockerCheckBoxClick(o);
                break;
            case 11:
                Log("group " + std::to_string(g + 1) + (k % 2 ? " input " : " output ") +
                    std::to_string(o + 1));
                rig.grouping.selected = g;
                rig.core.GroupingRadioGroupClick();
                // A member of another group is disabled on the page and cannot be clicked.
                if (k % 2 && rig.grouping.inputEnabled[static_cast<std::size_t>(o)])
                    rig.core.GroupInputButtonClick(o);
                else if (k % 2 == 0 && rig.grouping.outputEnabled[static_cast<std::size_t>(o)])
                    rig.core.GroupOutputButtonClick(o);
                if (k == 4) rig.core.GroupingRemoveButtonClick();
                break;
            case 12:
                Log("file save");
                rig.prompts.savePaths.push_back(SavedFile);
                rig.core.SaveConfigurationtoFile1Click();
                break;
            case 13:
                Log("file open");
                WriteFileOfTheSwitchersState();
                rig.prompts.openPaths.push_back(OpenedFile);
                rig.core.OpenConfigurationFile1Click();
                break;
            case 14:
                Log("read");
                rig.core.ReadfromVextaros1Click();
                break;
            default:
                Log("sequence of " + std::to_string(p + 1));
                rig.sequencing.Row(0, std::to_string(p + 1), "3");
                rig.core.PresetSeqStartButtonClick();
                rig.core.PresetSeqStopButtonClick();
                break;
        }
    }

    // A file that holds the switcher's own routes and groups and the names last saved:
    // opening it must leave the panel in step with the switcher. (A file of other routes
    // changes the panel only, as loading a file always has.)
    void WriteFileOfTheSwitchersState() {
        ConfigImage image{};
        const auto saved = rig.files.files.find(SavedFile);
        if (saved != rig.files.files.end()) std::memcpy(&image, saved->second.data(), sizeof image);
        const auto& s = switcher.State();
        std::memcpy(image.Routes, s.Routes, sizeof image.Routes);
        image.Groups = s.Groups;
        const auto* bytes = reinterpret_cast<const byte*>(&image);
        rig.files.files[OpenedFile].assign(bytes, bytes + sizeof image);
    }

    void Log(const std::string& action) { log << action << "; "; }

    // The model against the switcher. With a preview open, the state saved beneath it is
    // what the switcher must hold.
    ::testing::AssertionResult Agree() {
        const SwitcherState& m = rig.core.Model();
        const auto& s = switcher.State();
        const bool preview = m.PreviewActive != 0;
        const int outputs = LiveCount(m.OutputCount, MaxOutputs);
        for (int o = 0; o < outputs; ++o) {
            const RouteEntry shown = preview ? RouteEntry{m.PrevInputs[o], m.SavedCommitted[o]} : m.Routes[o];
            if (shown.Input != s.Routes[o].Input || shown.Committed != s.Routes[o].Committed)
                return ::testing::AssertionFailure()
                       << "output " << o + 1 << ": panel " << int(shown.Input) << "/" << int(shown.Committed)
                       << ", switcher " << int(s.Routes[o].Input) << "/" << int(s.Routes[o].Committed);
            if (!preview && m.PrevInputs[o] != s.PrevInputs[o])
                return ::testing::AssertionFailure()
                       << "output " << o + 1 << ": fallback panel " << int(m.PrevInputs[o]) << ", switcher "
                       << int(s.PrevInputs[o]);
            const bool reclocker = (preview ? m.SavedReclockers[o] : m.Reclockers[o]) != 0;
            if (reclocker != s.Reclocker(o))
                return ::testing::AssertionFailure() << "reclocker " << o + 1 << " differs";
        }
        const GroupTables& groups = preview ? m.SavedGroups : m.Groups;
        if (std::memcmp(&groups, &s.Groups, sizeof groups) != 0) {
            auto failure = ::testing::AssertionFailure() << "the groups differ at byte";
            const auto* a = reinterpret_cast<const byte*>(&groups);
            const auto* b = reinterpret_cast<const byte*>(&s.Groups);
            for (std::size_t i = 0; i < sizeof groups; ++i)
                if (a[i] != b[i])
                    failure << " " << i << " (panel " << int(a[i]) << ", switcher " << int(b[i]) << ")";
            return failure;
        }
        return ::testing::AssertionSuccess();
    }

    test::PanelRig rig;
    test::StatefulSwitcher switcher;
    std::mt19937 random{Seed};
    std::ostringstream log;
};

TEST_F(PanelSwitcherAgreementTest, NoSequenceOfActionsLeavesThePanelAndTheSwitcherDisagreeing) {
    for (int n = 0; n < Sequences; ++n) {
        log.str("");
        const int length = 1 + Pick(MaxSequenceLength);
        for (int a = 0; a < length; ++a) RandomAction();
        ASSERT_TRUE(Agree()) << "sequence " << n << ": " << log.str();
        if (rig.core.Model().PreviewActive != 0) {
            const bool confirm = Pick(2) == 0;
            Log(confirm ? "then confirm" : "then box cancel");
            if (confirm)
                rig.core.PresetRecallConfirmButtonClick();
            else
                rig.core.PresetRecallCancelButtonClick();
            ASSERT_EQ(rig.core.Model().PreviewActive, 0);
            ASSERT_TRUE(Agree()) << "sequence " << n << ": " << log.str();
        }
    }
    EXPECT_EQ(rig.core.Link().SerialLinkActive, true) << "the link stayed up throughout";
}

}  // namespace
}  // namespace vx
