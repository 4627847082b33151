#pragma once
// An operator intent as a value: who asks, and what. Every source (the window's pages,
// the crosspoint matrix, the keyboard, the sequencer, vxctl, router clients) builds one and
// hands it to the panel core's one door, which decides whether it may run, runs it and
// answers with a verdict. Indexes are 0-based.
#include <string>
#include <vector>

#include "request/Requester.h"

namespace vx {

enum class Intent {
    // Routing
    SelectOutput,   // Output
    PickInput,      // Input, for the selected output
    Take,           // every pending route of this panel's, or a previewed preset's Confirm
    Cancel,         // the pending routes withdrawn, or a preview cancelled
    ClearAll,       // every route cleared (protected outputs kept)
    RouteNow,       // Routes made pending and, with TakeAfter, taken at once
    Reclocker,      // Output's reclocker On or off
    LeaveRouting,   // the Video Switching page shown again: preview and pending routes end
    // Grouping (Number: the group the selector shows)
    GroupInput,     // Input
    GroupOutput,    // Output
    GroupRemove,
    GroupRemoveAll,
    // The preset box and the sequence (Number: the preset, or the sequence row)
    PresetSaveMode,
    PresetSaveCancel,
    PresetRecallMode,
    Preset,
    PresetConfirm,
    PresetCancel,
    SequenceRowPreset,
    SequenceRowDelay,
    SequenceStart,
    SequenceStep,   // the sequencer's timer: the next row's recall
    // Names (Number: the name family; NextNameBox: Input is the box's index in it)
    ResetNames,
    NextNameBox,
    Rename,  // Number: the name family (inputs or outputs), Input: the box, Text: the name
    // Undo history and protection
    Undo,
    Redo,
    Protect,        // Output protected, or unprotected when it is
    // The configuration file
    SaveFile,
    OpenFile,
    // The link (Number: the COM port, or the serial rate's index)
    StartupConnection,
    ReadSwitcher,
    SearchSwitcher,
    OpenCom,
    DisconnectSerial,
    ChooseLink,
    ChangeIpAddress,
    SerialRate,
    // The switcher-wide commands
    FrontPanelLock,  // On
    VIState,         // On
    Reset,
    FactoryReset,
    SystemSave,
    SystemRecall,
    Exit,  // the window closes, when the operator confirms it
};

struct RouteAsk {
    int Output = -1;
    int Input = -1;  // -1: no input (a disconnect)
    bool operator==(const RouteAsk&) const = default;
};

struct Request {
    Requester Who;
    Intent What = Intent::Take;
    int Output = -1;
    int Input = -1;
    int Number = -1;
    bool On = false;
    std::vector<RouteAsk> Routes;  // RouteNow
    bool TakeAfter = true;         // RouteNow: "TAKE 1" after the routes
    // RouteNow: stop at the first line the switcher did not acknowledge, for a caller
    // that must know which routes it holds.
    bool StopAtFailedLine = false;
    std::string Text{};  // Rename
};

// Short constructors for the common cases.
Request Ask(Intent what, Requester who = {});
Request AskOutput(Intent what, int output, Requester who = {});
Request AskInput(Intent what, int input, Requester who = {});
Request AskNumber(Intent what, int number, Requester who = {});
Request AskOn(Intent what, bool on, Requester who = {});
Request AskRoutes(std::vector<RouteAsk> routes, bool takeAfter, Requester who);

// The intent's name in the activity log and in verdict texts: "Take", "Route", "Reclocker".
const char* IntentName(Intent what);

}  // namespace vx
