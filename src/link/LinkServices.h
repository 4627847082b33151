#pragma once
// The platform services the panel runs on (the link layer's, and the preset sequencer's
// timer), handed to the main window by the application (Qt adapters) or by a test (fakes).
#include "link/Ports.h"

namespace vx {

struct LinkServices {
    SerialPortService& Serial;
    TcpClientService& Tcp;
    Clock& Time;
    EventPump& Events;
    Watchdog& Timer1;
    OneShotTimer& PresetSeqTimer;
};

}  // namespace vx
