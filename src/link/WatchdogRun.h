#pragma once
// Runs the watchdog Timer1 for the life of a wait that processes events, and stops it
// however the wait ends.
#include "link/Ports.h"

namespace vx {

class WatchdogRun {
public:
    explicit WatchdogRun(Watchdog& timer) : timer_(timer) { timer_.Start(); }
    ~WatchdogRun() { timer_.Stop(); }
    WatchdogRun(const WatchdogRun&) = delete;
    WatchdogRun& operator=(const WatchdogRun&) = delete;

private:
    Watchdog& timer_;
};

}  // namespace vx
