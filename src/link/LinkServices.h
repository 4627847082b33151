#pragma once
// The platform services the panel runs on (the link layer's, the preset sequencer's timer
// and follow mode's timer), handed to the main window by the application (Qt adapters) or
// by a test (fakes).
#include "link/Ports.h"

namespace vx {

struct LinkServices {
    SerialPortService& Serial;
    TcpClientService& Tcp;
    Clock& Time;
    EventPump& Events;
    Watchdog& Timer1;
    OneShotTimer& PresetSeqTimer;
    OneShotTimer& FollowTimer;
};

}  // namespace vx
