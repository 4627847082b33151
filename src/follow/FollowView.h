#pragma once
// What follow mode draws: a remark on an output of the "Video Switching" page (changed at
// the switcher, a take the switcher did not carry out, or one it has not answered yet), the Setup page's follow
// controls, and every route change a poll found, for a view that lists them.
#include <string>

#include "follow/RouteWatch.h"
#include "settings/FollowSettings.h"

namespace vx {

enum class OutputRemark { None, ChangedElsewhere, TakeFailed, NotConfirmed };

struct FollowView {
    virtual ~FollowView() = default;
    // words say the remark as the output's description continues it, e.g. "changed at
    // the switcher"; a TakeFailed output is also framed in red. None takes it away.
    virtual void SetOutputRemark(int output, OutputRemark kind, const std::string& words) = 0;
    // The check box and the interval box, set from the core: never an operator action.
    virtual void ShowFollowSettings(const FollowSettings& settings) = 0;
    // A route the switcher now holds differently from the panel's model, found by a poll.
    virtual void RouteChanged(const RouteChange& change) = 0;
    // A read has confirmed what an unanswered action asked of output o.
    virtual void TakeConfirmed(int /*output*/) {}
};

}  // namespace vx
