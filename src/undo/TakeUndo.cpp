#include "undo/TakeUndo.h"

#include "model/HandlerGuard.h"
#include "model/LiveCount.h"
#include "protect/ProtectTexts.h"

namespace vx {

namespace {

bool AnyPending(const SwitcherState& m) {
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o)
        if (m.Routes[o].Committed == 0) return true;
    return false;
}

}  // namespace

std::string TakeUndo::Refusal(const TakeStep* step, bool forward, bool sequenceRuns) const {
    const std::string verb = forward ? "Redo" : "Undo";
    if (step == nullptr) return forward ? "Nothing to redo." : "Nothing to undo.";
    if (m_.PreviewActive != 0)
        return verb + " refused: a preset preview is open. Confirm or Cancel it first.";
    if (AnyPending(m_)) return verb + " refused: a route is pending. Take or Cancel it first.";
    if (sequenceRuns) return verb + " refused: the preset sequence is running. Stop it first.";
    if (!step->Stale.empty()) return verb + " refused: " + step->Stale + ".";
    std::vector<int> touched;
    for (int o : StepOutputs(*step))
        if (protection_.IsProtected(o)) touched.push_back(o);
    if (!touched.empty()) return verb + " refused: it would change " + ProtectedOutputsText(touched) + ".";
    // The groups may have changed since (a recall brings its own): no route is put back
    // that the operator could not choose by hand now.
    for (const OutputChange& c : step->Changes) {
        const int input = forward ? c.InputAfter : c.InputBefore;
        if (c.RouteChanged && IsIndex(input, MaxInputs) && !InputAllowedByGroups(m_, c.Output, input))
            return verb + " refused: input " + std::to_string(input + 1) + " is not allowed for output " +
                   std::to_string(c.Output + 1) + " by its group.";
    }
    return "";
}

void TakeUndo::Run(bool forward, bool sequenceRuns) {
    HandlerGuard guard(m_);
    if (!guard) return;
    // The switcher may have changed since the last look: a step whose outputs no longer
    // hold what it expects is refused rather than written over them. A preview shows a
    // state the switcher does not hold, so it is no measure.
    if (m_.PreviewActive == 0) history_.Check(InForceNow(m_), StaleSince);
    const TakeStep* step = forward ? history_.NextRedo() : history_.NextUndo();
    if (const std::string refusal = Refusal(step, forward, sequenceRuns); !refusal.empty()) {
        status_.ShowStatus(refusal);
        return;
    }
    const TakeStep done = *step;
    if (forward)
        history_.Redone();
    else
        history_.Undone();
    Apply(done, forward);
    status_.ShowStatus(std::string(forward ? "Redone: " : "Undone: ") + StepText(done) + ".");
}

void TakeUndo::Apply(const TakeStep& step, bool forward) {
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    bool routed = false;
    for (const OutputChange& c : step.Changes) {
        if (!c.RouteChanged || !IsIndex(c.Output, outputs)) continue;
        crosspoint_.MakePending(c.Output, forward ? c.InputAfter : c.InputBefore);
        routed = true;
    }
    if (routed) crosspoint_.TakeRoutes();
    for (const OutputChange& c : step.Changes) {
        if (!c.ReclockerChanged || !IsIndex(c.Output, outputs)) continue;
        const bool on = forward ? c.ReclockerAfter : c.ReclockerBefore;
        m_.Reclockers[c.Output] = on ? 1 : 0;
        {
            SuppressEventsScope quiet(m_);
            display_.ShowReclocker(c.Output);
        }
        send_.SendReclock(c.Output, on ? 1 : 0);
    }
    crosspoint_.ColourInputsForOutput(m_.SelectedOutput);
}

}  // namespace vx
