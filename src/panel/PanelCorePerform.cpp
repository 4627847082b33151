// What each request does once the door's guards have let it through: the subsystems'
// operations, one per intent.
#include "model/LiveCount.h"
#include "panel/PanelCore.h"

namespace vx {

void PanelCore::Perform(const Request& r, Verdict& v) {
    // A switcher given a new address here is still the same switcher.
    if (r.What == Intent::ChangeIpAddress) addressChangedHere_ = true;
    switch (r.What) {
        case Intent::SelectOutput: crosspoint_.OutputButtonClick(r.Output); break;
        case Intent::PickInput: crosspoint_.InputButtonClick(r.Input); break;
        case Intent::Take: crosspoint_.TakeButtonClick(); break;
        case Intent::Cancel: crosspoint_.CancelTakeButtonClick(); break;
        case Intent::ClearAll:
            protectedClear_.ClearAllRoutingButtonClick(clearConfirmed_);
            clearConfirmed_ = false;
            break;
        case Intent::RouteNow: PerformRouteNow(r, v); break;
        case Intent::Reclocker: outputs_.ReclockerCheckBoxClick(r.Output, r.On); break;
        case Intent::LeaveRouting:
            // The page withdraws what is pending, and an open preview is all pending: it ends
            // as the box's Cancel ends it, then the operator's own pending routes go too.
            if (model_.PreviewActive != 0) presets_.CancelPresetRecall();
            crosspoint_.CancelPending();
            break;
        case Intent::GroupInput: grouping_.GroupInputButtonClick(r.Number, r.Input); break;
        case Intent::GroupOutput: grouping_.GroupOutputButtonClick(r.Number, r.Output); break;
        case Intent::GroupRemove: grouping_.GroupingRemoveButtonClick(r.Number); break;
        case Intent::GroupRemoveAll: grouping_.GroupingRemoveAllButtonClick(); break;
        case Intent::PresetSaveMode: presets_.PresetsSaveButtonClick(); break;
        case Intent::PresetSaveCancel: presets_.PresetSaveCancelButtonClick(); break;
        case Intent::PresetRecallMode: presets_.PresetsRecallButtonClick(); break;
        case Intent::Preset: {
            const bool previewing = model_.PreviewActive != 0;
            const InForceState base = InForceNow(model_);
            presets_.PresetButtonClick(r.Number);
            // The first preview keeps what was in force before it, for Cancel and Confirm.
            if (!previewing && model_.PreviewActive != 0) previewBase_ = base;
            break;
        }
        case Intent::PresetConfirm: presets_.PresetRecallConfirmButtonClick(); break;
        case Intent::PresetCancel: presets_.PresetRecallCancelButtonClick(); break;
        case Intent::SequenceRowPreset: sequencer_.ValidateSequencePreset(r.Number); break;
        case Intent::SequenceRowDelay: sequencer_.ValidateSequenceDelay(r.Number); break;
        case Intent::SequenceStart: sequencer_.StartSequence(); break;
        case Intent::SequenceStep: sequencer_.SequenceTick(); break;
        case Intent::ResetNames:
            switch (static_cast<NameFamily>(r.Number)) {
                case NameFamily::Input: labels_.ResetInputLabelsButtonClick(); break;
                case NameFamily::Output: labels_.ResetOutputLabelsButtonClick(); break;
                case NameFamily::Group: labels_.ResetGroupLabelsButtonClick(); break;
                case NameFamily::Preset: labels_.ResetPresetLabelsButtonClick(); break;
            }
            break;
        case Intent::NextNameBox: labels_.MoveToNextBox({static_cast<NameFamily>(r.Number), r.Input}); break;
        case Intent::Rename: Rename(r); break;
        case Intent::Undo: undo_.Undo(sequencer_.Running()); break;
        case Intent::Redo: undo_.Redo(sequencer_.Running()); break;
        case Intent::Protect: ToggleProtection(r.Output); break;
        case Intent::SaveFile: configFile_.SaveConfigurationtoFile1Click(); break;
        case Intent::OpenFile: KeepProtectedRoutes([&] { configFile_.OpenConfigurationFile1Click(); }); break;
        case Intent::StartupConnection: connection_.FormShow(); break;
        case Intent::ReadSwitcher: readSequence_.ReadfromVextaros1Click(); break;
        case Intent::SearchSwitcher: connection_.SearchAllClick(); break;
        case Intent::OpenCom: connection_.COMClick(r.Number); break;
        case Intent::DisconnectSerial: connection_.DisconnectSerialCommunication1Click(); break;
        case Intent::ChooseLink: connection_.SerialModeRadioGroupClick(); break;
        case Intent::ChangeIpAddress: connection_.IPAddressButtonClick(); break;
        case Intent::SerialRate:
            if (r.Number == 19200) serialLink_.N192001Click();
            if (r.Number == 38400) serialLink_.N384001Click();
            if (r.Number == 57600) serialLink_.N576001Click();
            break;
        case Intent::FrontPanelLock: setup_.FrontPanelLockCheckBoxClick(r.On); break;
        case Intent::VIState: setup_.VIStateCheckBoxClick(r.On); break;
        case Intent::Reset: setup_.ResetButtonClick(); break;
        case Intent::FactoryReset: setup_.FactoryResetButtonClick(); break;
        case Intent::SystemSave: setup_.SystemSaveButtonClick(); break;
        case Intent::SystemRecall: setup_.SystemRecallButtonClick(); break;
        case Intent::Exit:
            // Closing the TCP link under an exchange would pull the socket from under its
            // wait: the door never runs this inside one.
            if (!ctx_.Prompts.AskYesNo(ExitQuestion, ExitCaption)) {
                v.Result = Outcome::Refused;
                v.Why = "the operator stayed";
                break;
            }
            {
                Follower::LinkChoice choice(follower_);
                if (services_.Tcp.IsActive()) services_.Tcp.Close();
            }
            break;
    }
}

// The routes one after the other, then one take. A caller that must know what the
// switcher holds stops at the first line it did not acknowledge: the routes made before
// it stay pending, untaken.
void PanelCore::PerformRouteNow(const Request& r, Verdict& v) {
    std::vector<int> made;
    int failed = -1;
    for (const RouteAsk& a : r.Routes) {
        if (!crosspoint_.MakePending(a.Output, a.Input) && r.StopAtFailedLine) {
            failed = a.Output;
            break;
        }
        made.push_back(a.Output);
    }
    const char* why = nullptr;
    if (failed >= 0)
        why = NotTakenText;
    else if (r.TakeAfter && !made.empty()) {
        crosspoint_.TakeRoutes();
        if (r.StopAtFailedLine && !sender_.LastLineAcknowledged()) why = TakeNotAcknowledgedText;
    }
    for (int o : made)
        v.Outputs.push_back({o, why ? Outcome::NotCarriedOut : Outcome::Done, why ? why : "", model_.Routes[o]});
    if (failed >= 0)
        v.Outputs.push_back({failed, Outcome::NotCarriedOut, RouteNotAcknowledgedText, model_.Routes[failed]});
    if (failed >= 0 || why) {
        v.Result = Outcome::NotCarriedOut;
        v.Why = failed >= 0 ? RouteNotAcknowledgedText : why;
    }
}

void PanelCore::Redraw(const Request& r) {
    switch (r.What) {
        case Intent::Reclocker: outputs_.ShowReclocker(r.Output); break;
        case Intent::ChooseLink: ShowLinkInUse(); break;
        case Intent::FrontPanelLock: views_.Setup.SetFrontPanelLockChecked(model_.Info.FrontPanelLocked != 0); break;
        case Intent::VIState: views_.Setup.SetVIStateChecked(model_.Info.VIState != 0); break;
        default: break;
    }
}

}  // namespace vx
