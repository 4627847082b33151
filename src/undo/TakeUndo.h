#pragma once
// Puts the newest step of the undo history back, or does the newest undone step again,
// with the lines an operator routing by hand would send: a pending route (or pending
// disconnect) for each output the step changed, one "TAKE 1", then "RCLOCK" for each
// reclocker it changed. Never "CLEAR" and never a preset recall.
#include <string>

#include "link/CommandSender.h"
#include "link/Ports.h"
#include "model/SwitcherState.h"
#include "protect/ProtectedOutputs.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"
#include "undo/UndoHistory.h"

namespace vx {

class TakeUndo {
public:
    TakeUndo(SwitcherState& model, CommandSender& sender, Crosspoint& crosspoint, OutputDisplay& display,
             LinkView& status, const ProtectedOutputs& protection)
        : m_(model),
          send_(sender),
          crosspoint_(crosspoint),
          display_(display),
          status_(status),
          protection_(protection) {}

    UndoHistory& History() { return history_; }
    const UndoHistory& History() const { return history_; }

    // Refused, with the reason on the status line, while a route is pending, a preview is
    // open or the sequence runs, when there is no step, when the switcher no longer holds
    // what the step expects, and when the step touches a protected output.
    void Undo(bool sequenceRuns) { Run(false, sequenceRuns); }
    void Redo(bool sequenceRuns) { Run(true, sequenceRuns); }
    // True when the newest step could be put back (or done again) as the panel last saw
    // the switcher: only then is the switcher worth reading first.
    bool MayRun(bool forward, bool sequenceRuns) const {
        return Refusal(forward ? history_.NextRedo() : history_.NextUndo(), forward, sequenceRuns).empty();
    }

private:
    void Run(bool forward, bool sequenceRuns);
    // Why the step may not run now; empty when it may.
    std::string Refusal(const TakeStep* step, bool forward, bool sequenceRuns) const;
    void Apply(const TakeStep& step, bool forward);

    SwitcherState& m_;
    CommandSender& send_;
    Crosspoint& crosspoint_;
    OutputDisplay& display_;
    LinkView& status_;
    const ProtectedOutputs& protection_;
    UndoHistory history_;
};

}  // namespace vx
