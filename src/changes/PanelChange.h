#pragma once
// One change the panel core publishes: what changed, and for which output or input.
#include "model/Records.h"

namespace vx {

enum class ChangeKind {
    Route,       // Index: the output; its route, route state, previous input or reclocker
    Selection,   // Index: the output selected or let go
    Marks,       // Index: the output whose follow marks or router client's lock changed
    Protection,  // Index: the output protected or unprotected
    InputName,   // Index: the input
    OutputName,  // Index: the output
    Groups,      // the group tables
    Size,        // the switcher's number of outputs or inputs
    Preview,     // a preset preview opened or ended
    Present,     // the panel has a switcher to talk to, or no longer has
};

struct PanelChange {
    ChangeKind Kind = ChangeKind::Route;
    int Index = -1;
    // Route: the output's route before and after.
    RouteEntry Was{NO_INPUT, 1};
    RouteEntry Now{NO_INPUT, 1};
};

}  // namespace vx
