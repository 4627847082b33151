#pragma once
// The panel's one door. Every request, whoever asks, runs here one at a time and never
// inside an exchange with the switcher: a request of the window's controls that arrives
// while the panel waits is ignored, as a busy window ignores a click (a control that has
// already changed on screen is drawn again from the model); any other source's is kept
// and runs, in order, once the wait is over. The guards are asked once, in one order; then
// the request is carried out and recorded: the activity record with the requester as its
// user, the undo step and follow mode's check of what it took.
#include <array>
#include <deque>
#include <functional>
#include <string>

#include "follow/Follower.h"
#include "activity/ActivityLog.h"
#include "link/LinkState.h"
#include "link/Ports.h"
#include "model/SwitcherState.h"
#include "panel/IntentRules.h"
#include "request/Request.h"
#include "request/Verdict.h"
#include "model/InForce.h"
#include "undo/UndoHistory.h"

namespace vx {

class RequestRunner {
public:
    struct Parts {
        SwitcherState& Model;
        LinkState& Link;
        ActivityLog& Log;
        Follower& Follow;
        UndoHistory& History;
        LinkView& Status;
    };
    struct Hooks {
        // Why the request may not run, in the status line's words; empty when it may.
        std::function<std::string(const Request&)> Refusal;
        // Carries the request out.
        std::function<void(const Request&, Verdict&)> Perform;
        // A control that changed on screen for a request ignored or refused is drawn again.
        std::function<void(const Request&)> Redraw;
        // After a request: the protection and the undo history catch up with the model.
        std::function<void(const char* why)> Settle;
        // What waited for the request to end (a sequencer tick, a follow poll).
        std::function<void()> AfterRequest;
        // The state in force, taken from before the preview while one is open.
        std::function<InForceState()> InForceBeforePreview;
        // Before the request is carried out and measured: false when it must not go on
        // (the verdict says why). After it: what it left pending (the routes before it and
        // as it left them, before follow's check), then what Prepare set aside goes back.
        std::function<bool(const Request&, Verdict&)> Prepare;
        std::function<void(const Request&, const std::array<RouteEntry, MaxOutputs>& before,
                           const std::array<RouteEntry, MaxOutputs>& made)>
            Carried;
        std::function<void(const Request&)> Finish;
    };

    RequestRunner(Parts parts, Hooks hooks) : p_(parts), h_(std::move(hooks)) {}

    Verdict Run(const Request& r);
    // Runs the requests kept while an exchange was open, in order, once none is.
    void RunQueued();
    std::size_t QueuedCount() const { return queue_.size(); }
    bool Busy() const { return p_.Link.ExchangeDepth > 0; }

private:
    void Carry(const Request& r, const IntentRules& rules, Verdict& v);
    // The operator action's record: what it put in force (or left pending) and what
    // became of its lines; none when it sent nothing.
    template <class F>
    void Logged(const Request& r, F&& action);
    template <class F>
    void AsStep(const IntentRules& rules, F&& action);

    Parts p_;
    Hooks h_;
    std::deque<Request> queue_;
    bool draining_ = false;
};

// The name an activity record gives a request: "Take", "Preset 3".
std::string RecordName(const Request& r);

}  // namespace vx
