#include "undo/TakeStep.h"

#include <algorithm>

namespace vx {

std::optional<TakeStep> StepBetween(const std::string& what, const InForceState& before,
                                    const InForceState& after) {
    TakeStep step;
    step.What = what;
    const int outputs = std::min(before.Outputs, after.Outputs);
    for (int o = 0; o < outputs; ++o) {
        OutputChange c;
        c.Output = o;
        c.InputBefore = before.Inputs[o];
        c.InputAfter = after.Inputs[o];
        c.RouteChanged = c.InputBefore != c.InputAfter;
        c.ReclockerBefore = before.Reclockers[o];
        c.ReclockerAfter = after.Reclockers[o];
        c.ReclockerChanged = c.ReclockerBefore != c.ReclockerAfter;
        if (c.RouteChanged || c.ReclockerChanged) step.Changes.push_back(c);
    }
    if (step.Changes.empty()) return std::nullopt;
    return step;
}

std::vector<int> StepOutputs(const TakeStep& step) {
    std::vector<int> outputs;
    for (const OutputChange& c : step.Changes) outputs.push_back(c.Output);
    return outputs;
}

std::string StepText(const TakeStep& step) {
    const std::string outputs = OutputsText(StepOutputs(step));
    return step.What.empty() ? outputs : step.What + ", " + outputs;
}

std::vector<int> OutputsChangedSince(const TakeStep& step, const InForceState& now, bool forward) {
    std::vector<int> changed;
    for (const OutputChange& c : step.Changes) {
        if (c.Output >= now.Outputs) {  // the switcher has shrunk beneath the step
            changed.push_back(c.Output);
            continue;
        }
        const int input = forward ? c.InputBefore : c.InputAfter;
        const bool reclocker = forward ? c.ReclockerBefore : c.ReclockerAfter;
        if ((c.RouteChanged && now.Inputs[c.Output] != input) ||
            (c.ReclockerChanged && now.Reclockers[c.Output] != reclocker))
            changed.push_back(c.Output);
    }
    return changed;
}

}  // namespace vx
