#pragma once
// Everything a link operation reaches: the two states and the services.
// One instance per process, built by the application and handed out by reference.
#include "link/LinkState.h"
#include "link/Ports.h"
#include "model/SwitcherState.h"

namespace vx {

struct LinkContext {
    SwitcherState& Model;
    LinkState& Link;
    SerialPortService& Serial;
    TcpClientService& Tcp;
    Clock& Time;
    EventPump& Events;
    Watchdog& Timer1;
    Prompter& Prompts;
    LinkView& View;
};

// Sets the hourglass unless someone else already owns it, and gives it back only if it set it.
class HourglassScope {
public:
    explicit HourglassScope(LinkView& view) : view_(view), owner_(!view.IsHourglass()) {
        if (owner_) view_.SetHourglass(true);
    }
    ~HourglassScope() {
        if (owner_) view_.SetHourglass(false);
    }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;

private:
    LinkView& view_;
    bool owner_;
};

}  // namespace vx
