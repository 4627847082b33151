#pragma once
// Crosspoint selection and take: select an output, choose an input for it
// (a pending route on the switcher), take or cancel every pending route, clear all,
// and the group rule on the input buttons. Indexes are 0-based.
#include "link/CommandSender.h"
#include "model/SwitcherState.h"
#include "routing/OutputDisplay.h"
#include "routing/PresetRecallHooks.h"
#include "routing/RoutingView.h"

namespace vx {

// The group rule: an output of a group with inputs takes only that group's inputs; any
// other output takes every input that belongs to no group with inputs.
bool InputAllowedByGroups(const SwitcherState& model, int o, int k);

class Crosspoint {
public:
    Crosspoint(SwitcherState& model, CommandSender& sender, RoutingView& view, OutputDisplay& display,
               PresetRecallHooks& hooks);

    // Selects output o; a second selection of the selected output is ignored.
    void SelectOutput(int o);
    // Acts on the selected output with input k (new input, undo, or pending disconnect).
    void SelectInput(int k);
    // Enables the input buttons below InputCount by the output groups.
    void ApplyInputGroupRule(int o);
    // Input button k below InputCount yellow when it is the input routed to output o.
    void ColourInputsForOutput(int o);
    // The one place a route is made pending on the switcher: the model, the output's label
    // and the "RTEMP" line (input -1: a pending disconnect). True when the switcher
    // acknowledged the line.
    bool MakePending(int o, int input);
    // "TAKE 1", then CommitPending.
    void TakeRoutes();
    // Every pending route becomes the route in force; no command.
    void CommitPending();
    // Every pending route is withdrawn, the selection dropped; "TAKE 0" if any was pending.
    void CancelPending();
    // "CLEAR"; every route emptied and the routing side redrawn.
    void ClearAllRoutes();

    // Handlers of the routing page.
    void OutputButtonClick(int o);  // OutputButton1Click .. OutputButton16Click, guarded
    void InputButtonClick(int k);   // InputButton1Click .. InputButton16Click, guarded
    void TakeButtonClick();         // not guarded; lights the take light while it runs
    void CancelTakeButtonClick();   // not guarded
    void ClearAllRoutingButtonClick();

private:
    void RefreshOutputLabel(int o);
    // "TAKE 0" for output o's change, the other pending routes sent again.
    void WithdrawOneRoute(int o);

    SwitcherState& m_;
    CommandSender& send_;
    RoutingView& view_;
    OutputDisplay& display_;
    PresetRecallHooks& hooks_;
};

}  // namespace vx
