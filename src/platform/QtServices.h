#pragma once
// Every platform service of the panel, built once by the application.
#include "link/LinkServices.h"
#include "platform/QtBasics.h"
#include "platform/QtSerialPortService.h"
#include "platform/QtTcpClientService.h"

namespace vx::platform {

struct QtServices {
    QtSerialPortService Serial;
    QtTcpClientService Tcp;
    QtClock Time;
    QtEventPump Events;
    QtWatchdog Timer1;
    QtOneShotTimer PresetSeqTimer;
    QtOneShotTimer FollowTimer;

    LinkServices Bundle() {
        return LinkServices{Serial, Tcp, Time, Events, Timer1, PresetSeqTimer, FollowTimer};
    }
};

}  // namespace vx::platform
