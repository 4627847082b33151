#pragma once
// The platform services the link layer runs on, handed to the main window by the
// application (Qt adapters) or by a test (fakes).
#include "link/Ports.h"

namespace vx {

struct LinkServices {
    SerialPortService& Serial;
    TcpClientService& Tcp;
    Clock& Time;
    EventPump& Events;
    Watchdog& Timer1;
};

}  // namespace vx
