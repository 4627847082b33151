#pragma once
// Runs the watchdog Timer1 for the life of a wait that processes events, and stops it
// however the wait ends. A wait nested inside another (an action run from the outer
// wait's events) arms the timer again when it ends instead of stopping it, so the outer
// wait keeps a time limit.
#include "link/LinkState.h"
#include "link/Ports.h"

namespace vx {

class WatchdogRun {
public:
    WatchdogRun(Watchdog& timer, LinkState& link) : timer_(timer), link_(link) {
        ++link_.WatchdogDepth;
        timer_.Start();
    }
    ~WatchdogRun() {
        if (--link_.WatchdogDepth > 0)
            timer_.Start();
        else
            timer_.Stop();
    }
    WatchdogRun(const WatchdogRun&) = delete;
    WatchdogRun& operator=(const WatchdogRun&) = delete;

private:
    Watchdog& timer_;
    LinkState& link_;
};

}  // namespace vx
