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
    FollowSwitcher();
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
    FollowSwitcher();
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

void PanelCore::FollowSwitcher() {
    const std::string key = SwitcherKeyOf(model_.Info);
    const std::string was = protection_.CurrentSwitcher();
    if (key.empty() || link_.InfoReads == infoReadsSeen_) return;  // nothing new of the switcher
    infoReadsSeen_ = link_.InfoReads;
    // Read over the link it was last read over, or re-addressed from this panel: the same
    // switcher. A link opened since may lead to another one.
    const bool sameLink = link_.LinkOpenings == linkOpeningsSeen_ || addressChangedHere_;
    linkOpeningsSeen_ = link_.LinkOpenings;
    addressChangedHere_ = false;
    if (key == was) return;
    const std::vector<int> before = protection_.Protected(MaxOutputs);
    // Without a new link in between, a new address is the same switcher's, changed (from
    // this panel or elsewhere): its protection goes with it.
    if (sameLink && !was.empty() && !before.empty()) {
        protection_.MoveSwitcher(key);
        SaveProtection();
        const std::string text = "The switcher's address is now " + key + ": its " + ProtectedOutputsText(before) +
                                 (before.size() == 1 ? " stays" : " stay") + " protected.";
        views_.Window.ShowStatus(text);
        activity_.Note("Protect", text, "", {{"switcher", key}});
        return;
    }
    if (!protection_.UseSwitcher(key)) {
        if (was.empty() || before.empty()) return;
    } else {
        NotifyProtection(-1);
    }
    // Another switcher on a link chosen anew: say whose protection now applies, so that
    // none vanishes without a word.
    if (was.empty()) return;
    const std::vector<int> now = protection_.Protected(MaxOutputs);
    views_.Window.ShowStatus(now.empty() ? "The switcher at " + key + " has no protected outputs yet."
                                         : "The switcher at " + key + " has its own " + ProtectedOutputsText(now) +
                                               ".");
}

bool PanelCore::Linked() const { return link_.SerialLinkActive || model_.EthernetConnected != 0; }

bool PanelCore::ReadsBeforeTake() const {
    // A preview's picture is the panel's alone: a read would put the switcher's under it.
    if (!Linked() || model_.PreviewActive != 0) return false;
    return follower_.On() || !protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs)).empty();
}

bool PanelCore::PrepareTake(const Request& r, Verdict& v) {
    asideTaken_ = false;
    aside_.Forget();
    if (r.What == Intent::PresetConfirm || (r.What == Intent::Take && model_.PreviewActive != 0))
        return PrepareConfirm(v);
    if (r.What == Intent::Cancel || Withdraws(r)) return PrepareWithdraw(r, v);
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

void PanelCore::ShowPresetAsStored(int p, const PresetRecord& previewed) {
    // What the operator did not change in the preview shows the preset as the switcher
    // stores it, so that Confirm's take of the operator's own changes holds only those.
    const PresetRecord& stored = model_.Presets[p];
    const int outputs = LiveCount(model_.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        if (model_.Routes[o].Input == previewed.Routes[o].Input) model_.Routes[o].Input = stored.Routes[o].Input;
        const bool wasOn = (previewed.ReclockerMask.Get() >> o) & 1u;
        if ((model_.Reclockers[o] != 0) == wasOn)
            model_.Reclockers[o] = static_cast<byte>((stored.ReclockerMask.Get() >> o) & 1u);
    }
}

bool PanelCore::Withdraws(const Request& r) const {
    const int o = model_.SelectedOutput;
    if (r.What != Intent::PickInput || !IsIndex(o, MaxOutputs) || model_.PreviewActive != 0) return false;
    const RouteEntry& route = model_.Routes[o];
    return route.Input == r.Input && route.Input != model_.PrevInputs[o];
}

bool PanelCore::PrepareWithdraw(const Request& r, Verdict& v) {
    // "TAKE 0" withdraws every route pending at the switcher, whoever made it: the routes
    // pending elsewhere are read first, so that they are made again right after it.
    if (!ReadsBeforeTake()) return true;
    if (!aside_.NoteOthers(own_)) {
        v.Result = Outcome::NotCarriedOut;
        v.Why = "The switcher's routes could not be read first: nothing was withdrawn.";
        views_.Window.ShowStatus(v.Why);
        return false;
    }
    // A withdrawal of one output makes again every other route the model shows pending,
    // which now holds the others'; a Cancel makes them again from what was noted.
    if (r.What == Intent::Cancel) {
        asideTaken_ = true;
    } else {
        aside_.Forget();
    }
    outputs_.RefreshRouting();
    if (IsIndex(model_.SelectedOutput, MaxOutputs)) crosspoint_.ColourInputsForOutput(model_.SelectedOutput);
    return true;
}

bool PanelCore::ReadPresetBeforeRecall(int p) {
    // "RPRST" puts in force the preset the switcher stores, which another hand may have
    // stored again since the panel last read it: with outputs protected it is read first.
    if (!Linked() || !IsIndex(p, PresetCount) ||
        protection_.Protected(LiveCount(model_.OutputCount, MaxOutputs)).empty())
        return true;
    // The inputs in force too: another hand may have changed a protected output since the
    // panel last looked, and the recall would put it back.
    return reader_.ReadPrevOutputStatus() && reader_.ReadPreset(p);
}

std::vector<int> PanelCore::ProtectedChangedByRecall(int p) const {
    InForceState now = InForceBeforePreview();
    const int outputs = LiveCount(model_.OutputCount, MaxOutputs);
    if (Linked() && !protection_.Protected(outputs).empty())
        for (int o = 0; o < outputs; ++o) {
            const int k = model_.PrevInputs[o];
            now.Inputs[static_cast<std::size_t>(o)] = IsIndex(k, MaxInputs) ? k : NO_INPUT;
        }
    return ProtectedAmongChanges(protection_, now, InForceOfPreset(model_, p));
}

bool PanelCore::PrepareConfirm(Verdict& v) {
    const int p = model_.SelectedPreset;
    const PresetRecord previewed = IsIndex(p, PresetCount) ? model_.Presets[p] : PresetRecord{};
    const bool read = ReadPresetBeforeRecall(p);
    if (read && IsIndex(p, PresetCount)) ShowPresetAsStored(p, previewed);
    if (!read) {
        v.Result = Outcome::NotCarriedOut;
        v.Why = "Preset " + std::to_string(p + 1) + " could not be read from the switcher: nothing was recalled.";
        views_.Window.ShowStatus(v.Why);
        return false;
    }
    // The recall puts the switcher's preset in force first: a protected output it would
    // change is changed on air even where the preview's take would put it back.
    if (!IsIndex(p, PresetCount)) return true;
    const std::vector<int> touched = ProtectedChangedByRecall(p);
    if (touched.empty()) return true;
    v.Result = Outcome::Refused;
    v.Why = RecallRefusedText(p, touched);
    views_.Window.ShowStatus(v.Why);
    return false;
}

void PanelCore::FinishTake(const Request& r) {
    if (!asideTaken_) return;
    asideTaken_ = false;
    aside_.PutBack();
    const std::vector<int> kept = aside_.Outputs();
    if (kept.empty()) return;
    const std::string text = std::string("Pending elsewhere, kept pending and not ") +
                             (r.What == Intent::Cancel ? "withdrawn: " : "taken: ") + OutputsText(kept) + ".";
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
    if (!ReadPresetBeforeRecall(p)) {
        views_.Window.ShowStatus("Sequence step skipped: preset " + std::to_string(p + 1) +
                                 " could not be read from the switcher.");
        return true;
    }
    const std::vector<int> touched = ProtectedChangedByRecall(p);
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
