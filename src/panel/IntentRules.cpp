#include "panel/IntentRules.h"

#include "undo/UndoHistory.h"

namespace vx {

IntentRules RulesOf(Intent what) {
    IntentRules r;
    switch (what) {
        case Intent::SelectOutput:
            r.Selecting = true;
            break;
        case Intent::PickInput:
        case Intent::Cancel:
        case Intent::LeaveRouting:
        case Intent::GroupInput:
        case Intent::GroupOutput:
        case Intent::GroupRemove:
        case Intent::GroupRemoveAll:
        case Intent::PresetSaveMode:
        case Intent::PresetCancel:
        case Intent::ReadSwitcher:
        case Intent::FrontPanelLock:
        case Intent::VIState:
        case Intent::Reset:
        case Intent::FactoryReset:
        case Intent::SystemSave:
        case Intent::SystemRecall:
            r.Logged = true;
            break;
        case Intent::Take:
        case Intent::PresetConfirm:
        case Intent::RouteNow:
            r.Logged = r.Step = r.Verified = true;
            break;
        case Intent::ClearAll:
            r.Logged = r.Step = r.Verified = true;
            r.StepName = "Clear All Routing";
            break;
        case Intent::Preset:
            // Storing takes the pending routes first: that take is a step of its own.
            r.Logged = r.Step = true;
            break;
        case Intent::Reclocker:
            r.Logged = r.Verified = true;
            r.SettleWhy = StaleSince;
            break;
        case Intent::SequenceStart:
        case Intent::SequenceStep:
            r.Logged = r.Verified = true;
            r.SettleWhy = StaleBySequence;
            break;
        case Intent::Undo:
        case Intent::Redo:
            r.Logged = r.Verified = true;
            break;
        case Intent::OpenFile:
            r.SettleWhy = StaleSince;
            break;
        case Intent::ChangeIpAddress:
            r.Logged = r.ChoosesLink = true;
            break;
        case Intent::StartupConnection:
        case Intent::SearchSwitcher:
        case Intent::OpenCom:
        case Intent::DisconnectSerial:
        case Intent::ChooseLink:
            r.ChoosesLink = true;
            break;
        case Intent::PresetSaveCancel:
        case Intent::PresetRecallMode:
        case Intent::SequenceRowPreset:
        case Intent::SequenceRowDelay:
        case Intent::ResetNames:
        case Intent::NextNameBox:
        case Intent::Rename:
        case Intent::Protect:
        case Intent::SaveFile:
        case Intent::SerialRate:
        case Intent::Exit:
            break;
    }
    switch (what) {
        case Intent::Take:
        case Intent::PresetConfirm:
        case Intent::ClearAll:
        case Intent::Undo:
        case Intent::Redo:
        case Intent::RouteNow:
            r.Takes = r.MakesRoutes = r.Sends = true;
            break;
        case Intent::PickInput:
        case Intent::Preset:
            r.MakesRoutes = r.Sends = true;
            break;
        case Intent::Cancel:
        case Intent::LeaveRouting:
        case Intent::Reclocker:
        case Intent::GroupInput:
        case Intent::GroupOutput:
        case Intent::GroupRemove:
        case Intent::GroupRemoveAll:
        case Intent::SequenceStart:
        case Intent::SequenceStep:
        case Intent::FrontPanelLock:
        case Intent::VIState:
        case Intent::Reset:
        case Intent::FactoryReset:
        case Intent::SystemSave:
        case Intent::SystemRecall:
            r.Sends = true;
            break;
        default:
            break;
    }
    return r;
}

}  // namespace vx
