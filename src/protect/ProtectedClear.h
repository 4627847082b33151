#pragma once
// Clear All Routing while outputs are protected. "CLEAR" would empty them too, so the
// other outputs are disconnected the way an operator would by hand: a pending disconnect
// for each output that has a route, then one "TAKE 1", after the operator has agreed.
#include "link/Ports.h"
#include "model/SwitcherState.h"
#include "protect/ProtectedOutputs.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"
#include "routing/PresetRecallHooks.h"

namespace vx {

class ProtectedClear {
public:
    ProtectedClear(SwitcherState& model, Crosspoint& crosspoint, OutputDisplay& display,
                   PresetRecallHooks& presets, Prompter& prompts, const ProtectedOutputs& protection)
        : m_(model),
          crosspoint_(crosspoint),
          display_(display),
          presets_(presets),
          prompts_(prompts),
          protection_(protection) {}

    // ClearAllRoutingButtonClick: the plain clear when nothing is protected; otherwise the
    // question (unless the operator has already answered it: confirmed), and on Yes every
    // other output disconnected. On No nothing is sent.
    void ClearAllRoutingButtonClick(bool confirmed);

private:
    SwitcherState& m_;
    Crosspoint& crosspoint_;
    OutputDisplay& display_;
    PresetRecallHooks& presets_;
    Prompter& prompts_;
    const ProtectedOutputs& protection_;
};

}  // namespace vx
