#include "request/Request.h"

namespace vx {

Request Ask(Intent what, Requester who) { return {.Who = std::move(who), .What = what}; }
Request AskOutput(Intent what, int output, Requester who) {
    return {.Who = std::move(who), .What = what, .Output = output};
}
Request AskInput(Intent what, int input, Requester who) {
    return {.Who = std::move(who), .What = what, .Input = input};
}
Request AskNumber(Intent what, int number, Requester who) {
    return {.Who = std::move(who), .What = what, .Number = number};
}
Request AskOn(Intent what, bool on, Requester who) { return {.Who = std::move(who), .What = what, .On = on}; }
Request AskRoutes(std::vector<RouteAsk> routes, bool takeAfter, Requester who) {
    return {.Who = std::move(who), .What = Intent::RouteNow, .Routes = std::move(routes), .TakeAfter = takeAfter};
}

const char* IntentName(Intent what) {
    switch (what) {
        case Intent::SelectOutput: return "Select";
        case Intent::PickInput: return "Route";
        case Intent::Take: return "Take";
        case Intent::Cancel: return "Cancel";
        case Intent::ClearAll: return "Clear All Routing";
        case Intent::RouteNow: return "Route";
        case Intent::Reclocker: return "Reclocker";
        case Intent::LeaveRouting: return "Cancel";
        case Intent::GroupInput:
        case Intent::GroupOutput:
        case Intent::GroupRemove:
        case Intent::GroupRemoveAll: return "Group";
        case Intent::PresetSaveMode: return "Preset Save";
        case Intent::PresetSaveCancel: return "Preset Save Cancel";
        case Intent::PresetRecallMode: return "Preset Recall";
        case Intent::Preset: return "Preset";
        case Intent::PresetConfirm: return "Confirm";
        case Intent::PresetCancel: return "Cancel preset";
        case Intent::SequenceRowPreset:
        case Intent::SequenceRowDelay: return "Sequence row";
        case Intent::SequenceStart: return "Sequence start";
        case Intent::SequenceStep: return "Sequence step";
        case Intent::ResetNames: return "Reset names";
        case Intent::NextNameBox: return "Next name box";
        case Intent::Rename: return "Label";
        case Intent::Undo: return "Undo";
        case Intent::Redo: return "Redo";
        case Intent::Protect: return "Protect";
        case Intent::SaveFile: return "Save configuration";
        case Intent::OpenFile: return "Open configuration";
        case Intent::StartupConnection: return "Connect";
        case Intent::ReadSwitcher: return "Read";
        case Intent::SearchSwitcher: return "Connect";
        case Intent::OpenCom: return "Open COM";
        case Intent::DisconnectSerial: return "Disconnect";
        case Intent::ChooseLink: return "Choose link";
        case Intent::ChangeIpAddress: return "Change IP Address";
        case Intent::SerialRate: return "Serial rate";
        case Intent::FrontPanelLock: return "Front Panel Lockout";
        case Intent::VIState: return "VI State";
        case Intent::Reset: return "Reset";
        case Intent::FactoryReset: return "Factory Reset";
        case Intent::SystemSave: return "System Save";
        case Intent::SystemRecall: return "System Recall";
        case Intent::Exit: return "Exit";
    }
    return "";
}

}  // namespace vx
