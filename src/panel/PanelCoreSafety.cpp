// The panel core's safe hands: the undo history kept in step with what the switcher
// holds, and the protected outputs with the checks that hold actions back from them.
#include "model/LiveCount.h"
#include "panel/PanelCore.h"
#include "protect/ProtectChecks.h"
#include "protect/ProtectSettings.h"
#include "protect/ProtectTexts.h"

namespace vx {

void PanelCore::Settle(const char* why) {
    // A settings file unreadable at the start brings its protection once it can be read.
    if (auto joined = settings_.Recover(protection_.All())) {
        protection_.Load(std::move(*joined));
        NotifyProtection(-1);
    }
    if (protection_.UseSwitcher(SwitcherKeyOf(model_.Info))) NotifyProtection(-1);
    // A preview shows what the switcher does not hold: it is no measure of a change.
    if (model_.PreviewActive == 0) undo_.History().Check(InForceNow(model_), why);
    for (const auto& listener : undoListeners_) listener();
}

InForceState PanelCore::InForceBeforePreview() const {
    return model_.PreviewActive != 0 ? previewBase_ : InForceNow(model_);
}

void PanelCore::OnUndoChanged(std::function<void()> listener) {
    undoListeners_.push_back(std::move(listener));
}

void PanelCore::OnProtectionChanged(std::function<void(int)> listener) {
    protectionListeners_.push_back(std::move(listener));
}

void PanelCore::ToggleProtection(int o) {
    if (!IsIndex(o, LiveCount(model_.OutputCount, MaxOutputs))) return;
    if (protection_.UseSwitcher(SwitcherKeyOf(model_.Info))) NotifyProtection(-1);
    const bool on = !protection_.IsProtected(o);
    if (!protection_.SwitcherKnown()) {
        views_.Window.ShowStatus(ProtectNeedsSwitcherText());
        return;
    }
    // Protecting what a preview or a pending route is about to change would leave that
    // change half made.
    if (on && RefusedUnderPreview()) return;
    if (on && model_.Routes[o].Committed == 0) {
        views_.Window.ShowStatus(ProtectPendingText(o));
        return;
    }
    protection_.Set(o, on);
    link_.Activity.Note(on ? "Protect" : "Unprotect", "Output " + std::to_string(o + 1), "",
                        {{"output", std::to_string(o + 1)}, {"protected", on ? "yes" : "no"}});
    if (on && model_.SelectedOutput == o) {
        // A selected output takes the next input clicked: it is let go.
        model_.SelectedOutput = NO_INPUT;
        views_.Routing.SetOutputButtonColour(o, Colour::ButtonFace);
        for (int k = 0; k < MaxInputs; ++k) views_.Routing.SetInputButtonColour(k, Colour::ButtonFace);
    }
    SaveProtection();
    views_.Window.ShowStatus(ProtectedNowText(o, on));
    NotifyProtection(o);
}

bool PanelCore::RefusedProtected(int o) {
    if (!protection_.IsProtected(o)) return false;
    views_.Window.ShowStatus(OutputIsProtectedText(o));
    return true;
}

bool PanelCore::RecallRefused(int p) {
    if (!IsIndex(p, PresetCount) || model_.Presets[p].Stored == 0) return false;
    const std::vector<int> touched =
        ProtectedAmongChanges(protection_, InForceBeforePreview(), InForceOfPreset(model_, p));
    if (touched.empty()) return false;
    views_.Window.ShowStatus(RecallRefusedText(p, touched));
    return true;
}

bool PanelCore::ConfirmRefused() {
    // What Confirm puts in force is what the preview shows, the operator's own changes in it
    // included.
    const std::vector<int> touched = ProtectedAmongChanges(protection_, previewBase_, InForceAsShown(model_));
    if (touched.empty()) return false;
    views_.Window.ShowStatus(RecallRefusedText(model_.SelectedPreset, touched));
    return true;
}

bool PanelCore::SequenceRecallSkipped(int p) {
    const std::vector<int> touched =
        ProtectedAmongChanges(protection_, InForceBeforePreview(), InForceOfPreset(model_, p));
    if (touched.empty()) return false;
    views_.Window.ShowStatus(SequenceStepSkippedText(p, touched));
    return true;
}

bool PanelCore::RefusedForProtected(const std::string& what) {
    const std::vector<int> kept = protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs));
    if (kept.empty()) return false;
    views_.Window.ShowStatus(SwitcherWideRefusedText(what, kept));
    return true;
}

void PanelCore::KeepProtectedRoutes(const std::function<void()>& action) {
    const std::vector<int> kept = protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs));
    std::vector<RouteEntry> routes;
    for (int o : kept) routes.push_back(model_.Routes[o]);
    action();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        model_.Routes[kept[i]] = routes[i];
        outputs_.ShowOutputRoute(kept[i]);
        outputs_.ColourOutputLabel(kept[i]);
    }
}

void PanelCore::SaveProtection() {
    if (auto joined = settings_.SaveProtection(protection_.All())) {
        protection_.Load(std::move(*joined));
        NotifyProtection(-1);
    }
}

void PanelCore::NotifyProtection(int output) {
    for (const auto& listener : protectionListeners_) listener(output);
}

}  // namespace vx
