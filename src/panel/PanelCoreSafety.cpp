// The panel core's safe hands: the undo history kept in step with what the switcher
// holds, and the protected outputs with the checks that hold actions back from them.
#include "model/LiveCount.h"
#include "presets/PreviewTexts.h"
#include "panel/PanelCore.h"
#include "protect/ProtectChecks.h"
#include "protect/ProtectSettings.h"
#include "protect/ProtectTexts.h"
#include "routing/KeyRouting.h"
#include "undo/TakeStep.h"

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
    PublishChanges();
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
    if (on && model_.PreviewActive != 0) {
        views_.Window.ShowStatus(PreviewOpenText);
        return;
    }
    if (on && model_.Routes[o].Committed == 0) {
        views_.Window.ShowStatus(ProtectPendingText(o));
        return;
    }
    protection_.Set(o, on);
    activity_.Note(on ? "Protect" : "Unprotect", "Output " + std::to_string(o + 1), "",
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

bool PanelCore::ReadsBeforeTake() const {
    const bool linked = link_.SerialLinkActive || model_.EthernetConnected != 0;
    // A preview's picture is the panel's alone: a read would put the switcher's under it.
    if (!linked || model_.PreviewActive != 0) return false;
    return follower_.On() || !protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs)).empty();
}

bool PanelCore::PrepareTake(const Request& r, Verdict& v) {
    asideTaken_ = false;
    aside_.Forget();
    const bool takes = RulesOf(r.What).Takes || (r.What == Intent::Preset && presets_.Mode() == PresetBoxMode::Save);
    // A Confirm takes under a preview, whose picture is the panel's alone: no read.
    if (!takes || r.What == Intent::PresetConfirm || (r.What == Intent::RouteNow && !r.TakeAfter) ||
        !ReadsBeforeTake())
        return true;
    // A step refused as the panel sees the switcher is refused without a read.
    if ((r.What == Intent::Undo || r.What == Intent::Redo) &&
        !undo_.MayRun(r.What == Intent::Redo, sequencer_.Running()))
        return true;
    // Clearing around protected outputs is asked before anything is read or sent.
    const std::vector<int> kept = protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs));
    if (r.What == Intent::ClearAll && !kept.empty()) {
        if (!ctx_.Prompts.AskYesNo(ClearExceptProtectedQuestion(kept), ClearProtectedCaption)) {
            v.Result = Outcome::Refused;
            return false;
        }
        clearConfirmed_ = true;
    }
    // The operator's own pending routes are the operator's to take; a request from
    // anyone else takes only the routes it makes.
    const bool operatorsTake = r.Who.AtTheWindow() || r.Who.From == Source::Sequencer;
    if (!aside_.SetAside(operatorsTake ? own_ : OwnPending{})) {
        v.Result = Outcome::NotCarriedOut;
        v.Why = "The switcher's routes could not be read before the take: nothing was taken.";
        views_.Window.ShowStatus(v.Why);
        return false;
    }
    asideTaken_ = true;
    // What the read found goes on screen before anything is decided on it.
    outputs_.RefreshRouting();
    if (IsIndex(model_.SelectedOutput, MaxOutputs)) crosspoint_.ColourInputsForOutput(model_.SelectedOutput);
    return true;
}

void PanelCore::FinishTake(const Request&) {
    if (!asideTaken_) return;
    asideTaken_ = false;
    aside_.PutBack();
    const std::vector<int> kept = aside_.Outputs();
    if (kept.empty()) return;
    const std::string text = "Pending elsewhere, kept pending and not taken: " + OutputsText(kept) + ".";
    views_.Window.ShowStatus(text);
    std::string list;
    for (int o : kept) list += (list.empty() ? "" : ",") + std::to_string(o + 1);
    activity_.Note("Set aside", text, "", {{"outputs", list}});
}

std::string PanelCore::Refusal(const Request& r) {
    // While follow mode reconnects there is no link: nothing sent is nothing done.
    if (follower_.Reconnecting() && RulesOf(r.What).Sends) return ReconnectingRefusedText;
    // A route made at once names its outputs and inputs: each must exist on this switcher.
    if (r.What == Intent::RouteNow)
        for (const RouteAsk& a : r.Routes) {
            if (!IsIndex(a.Output, LiveCount(model_.OutputCount, MaxOutputs)))
                return "Refused: there is no output " + std::to_string(a.Output + 1) + ".";
            if (a.Input >= LiveCount(model_.InputCount, MaxInputs) || a.Input < -1)
                return "Refused: there is no input " + std::to_string(a.Input + 1) + ".";
        }
    if (std::string why = PreviewRefusal(r); !why.empty()) return why;
    if (std::string why = ProtectionRefusal(r); !why.empty()) return why;
    if (std::string why = GroupRefusal(r); !why.empty()) return why;
    return lockGuard_ ? lockGuard_(r) : std::string();
}

// A reclocker, a group edit, a file action, a reset, System Recall or a route made at once
// would change the switcher or the picture beneath an open preview.
std::string PanelCore::PreviewRefusal(const Request& r) const {
    if (model_.PreviewActive == 0) return "";
    switch (r.What) {
        case Intent::Reclocker:
        case Intent::GroupInput:
        case Intent::GroupOutput:
        case Intent::GroupRemove:
        case Intent::GroupRemoveAll:
        case Intent::SaveFile:
        case Intent::OpenFile:
        case Intent::Reset:
        case Intent::FactoryReset:
        case Intent::SystemRecall:
        case Intent::RouteNow:
            return PreviewOpenText;
        default:
            return "";
    }
}

std::string PanelCore::ProtectionRefusal(const Request& r) {
    const auto isProtected = [this](int o) { return IsIndex(o, MaxOutputs) && protection_.IsProtected(o); };
    switch (r.What) {
        case Intent::SelectOutput:
            // A second click on the selected output changes nothing.
            if (r.Output != model_.SelectedOutput && isProtected(r.Output)) return OutputIsProtectedText(r.Output);
            return "";
        case Intent::PickInput:
        case Intent::Reclocker: {
            const int o = r.What == Intent::PickInput ? model_.SelectedOutput : r.Output;
            return isProtected(o) ? OutputIsProtectedText(o) : "";
        }
        case Intent::RouteNow: {
            std::vector<int> touched;
            for (const RouteAsk& a : r.Routes)
                if (isProtected(a.Output)) touched.push_back(a.Output);
            return touched.empty() ? "" : RouteRefusedText(touched);
        }
        case Intent::Take:
        case Intent::PresetConfirm:
            // A take under a preview is its Confirm, checked as one.
            return model_.PreviewActive != 0 ? ConfirmRefusal() : "";
        case Intent::Preset:
            // A recall that would change a protected output never opens its preview.
            return presets_.Mode() == PresetBoxMode::Recall ? RecallRefusal(r.Number) : "";
        case Intent::Reset: return SwitcherWideRefusal("Reset");
        case Intent::FactoryReset: return SwitcherWideRefusal("Factory Reset");
        case Intent::SystemRecall: return SwitcherWideRefusal("System Recall");
        default: return "";
    }
}

// The group rule: an output of a group with inputs takes only that group's inputs.
std::string PanelCore::GroupRefusal(const Request& r) const {
    const auto refused = [this](int o, int k) {
        return IsIndex(o, MaxOutputs) && IsIndex(k, MaxInputs) && !InputAllowedByGroups(model_, o, k);
    };
    const auto text = [](int o, int k) {
        return "input " + std::to_string(k + 1) + " is not allowed for output " + std::to_string(o + 1) +
               " by its group";
    };
    if (r.What == Intent::PickInput && refused(model_.SelectedOutput, r.Input))
        return (r.Who.From == Source::Keyboard ? std::string(KeyboardLead) : std::string("Refused: ")) +
               text(model_.SelectedOutput, r.Input);
    if (r.What == Intent::RouteNow)
        for (const RouteAsk& a : r.Routes)
            if (refused(a.Output, a.Input)) return "Refused: " + text(a.Output, a.Input);
    return "";
}

std::string PanelCore::RecallRefusal(int p) const {
    if (!IsIndex(p, PresetCount) || model_.Presets[p].Stored == 0) return "";
    const std::vector<int> touched =
        ProtectedAmongChanges(protection_, InForceBeforePreview(), InForceOfPreset(model_, p));
    return touched.empty() ? "" : RecallRefusedText(p, touched);
}

std::string PanelCore::ConfirmRefusal() const {
    // What Confirm puts in force is what the preview shows, the operator's own changes in it
    // included.
    const std::vector<int> touched = ProtectedAmongChanges(protection_, previewBase_, InForceAsShown(model_));
    return touched.empty() ? "" : RecallRefusedText(model_.SelectedPreset, touched);
}

bool PanelCore::SequenceRecallSkipped(int p) {
    const std::vector<int> touched =
        ProtectedAmongChanges(protection_, InForceBeforePreview(), InForceOfPreset(model_, p));
    if (touched.empty()) return false;
    views_.Window.ShowStatus(SequenceStepSkippedText(p, touched));
    return true;
}

std::string PanelCore::SwitcherWideRefusal(const std::string& what) const {
    const std::vector<int> kept = protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs));
    return kept.empty() ? "" : SwitcherWideRefusedText(what, kept);
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
