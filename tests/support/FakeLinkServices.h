#pragma once
// Every link service as a fake, bundled the way the application bundles the Qt adapters:
// the services a main window is built on in widget tests.
#include "FakePorts.h"
#include "link/LinkServices.h"

namespace vx::test {

struct FakeLinkServices {
    FakeClock clock;
    FakeSerialPort serial{clock};
    FakeTcpClient tcp{clock};
    FakeEventPump events{clock};
    FakeWatchdog timer1;
    FakeOneShotTimer seqTimer;
    FakeOneShotTimer followTimer;
    LinkServices bundle{serial, tcp, clock, events, timer1, seqTimer, followTimer};
};

}  // namespace vx::test
