#pragma once
// What the switcher holds in force, output by output: the route put in force (a pending
// change counts as its fallback, which is what the switcher still switches) and the
// reclocker. Undo, redo and the protection checks compare two of these.
#include <array>

#include "model/SwitcherState.h"

namespace vx {

struct InForceState {
    int Outputs = 0;                       // the live outputs
    std::array<int, MaxOutputs> Inputs{};  // input index, or NO_INPUT
    std::array<bool, MaxOutputs> Reclockers{};
};

// The model's state in force. Under an open preset preview the model shows the preview:
// take the state from before the preview instead.
InForceState InForceNow(const SwitcherState& model);
// What preset p puts in force when it is recalled.
InForceState InForceOfPreset(const SwitcherState& model, int p);
// What the model shows, pending routes and an open preview included, as if it were taken.
InForceState InForceAsShown(const SwitcherState& model);

}  // namespace vx
