#pragma once
// Marks follow mode's own exchange (a poll, a reconnection attempt, the read after it) for
// its whole life: an exchange like any other for the door, which keeps the window's
// requests out of it, but one whose TCP waits let the window run (see BackgroundWaits).
#include "link/ExchangeScope.h"
#include "link/LinkState.h"

namespace vx {

class BackgroundExchange {
public:
    explicit BackgroundExchange(LinkState& link) : link_(link), scope_(link) { ++link_.BackgroundDepth; }
    ~BackgroundExchange() {
        if (--link_.BackgroundDepth == 0) link_.BackgroundCut = false;
    }
    BackgroundExchange(const BackgroundExchange&) = delete;
    BackgroundExchange& operator=(const BackgroundExchange&) = delete;

    // True when something asked for the wait to end early.
    bool Cut() const { return link_.BackgroundCut; }

private:
    LinkState& link_;
    ExchangeScope scope_;
};

}  // namespace vx
