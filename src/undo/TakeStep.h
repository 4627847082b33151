#pragma once
// One step of the undo history: what a take (or a confirmed preset, or Clear All Routing)
// changed on the switcher, output by output, so that it can be put back and done again
// with the lines an operator routing by hand would send.
#include <optional>
#include <string>
#include <vector>

#include "model/InForce.h"
#include "model/OutputsText.h"

namespace vx {

struct OutputChange {
    int Output = 0;  // 0-based
    bool RouteChanged = false;
    int InputBefore = NO_INPUT;
    int InputAfter = NO_INPUT;
    bool ReclockerChanged = false;
    bool ReclockerBefore = false;
    bool ReclockerAfter = false;
};

struct TakeStep {
    // What the operator did, e.g. "preset 2"; empty for a plain take.
    std::string What;
    std::vector<OutputChange> Changes;
    // Why the step can no longer be put back or done again; empty while it can.
    std::string Stale;
};

// The step from before to after, or nothing when nothing changed.
std::optional<TakeStep> StepBetween(const std::string& what, const InForceState& before,
                                    const InForceState& after);
// The outputs the step changed, 0-based and in order.
std::vector<int> StepOutputs(const TakeStep& step);
// The step as the Edit menu names it: "outputs 3, 4", "preset 2, outputs 1, 5".
std::string StepText(const TakeStep& step);
// The outputs whose state in now differs from what the step expects to find there:
// its after state (forward = false, before an undo) or its before state (before a redo).
std::vector<int> OutputsChangedSince(const TakeStep& step, const InForceState& now, bool forward);

}  // namespace vx
