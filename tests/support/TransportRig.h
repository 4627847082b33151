#pragma once
// The link rig with both transports on top: the serial link, the Ethernet link, the status
// query dispatch, and views that record what the links show.
#include <string>
#include <vector>

#include "LinkRig.h"
#include "link/EthernetLink.h"
#include "link/SerialLink.h"
#include "link/StatusQuery.h"

namespace vx::test {

class RecordingSerialLinkView : public SerialLinkView {
public:
    void SetComNumberText(const std::string& text) override { comNumber = text, history.push_back(text); }
    std::string comNumber = "None";
    std::vector<std::string> history;
};

class FakeIpAddressField : public IpAddressView {
public:
    std::string IpText() const override { return text; }
    void SetIpText(const std::string& t) override { text = t; }
    std::string text;
};

struct TransportRig : LinkRig {
    RecordingSerialLinkView serialView;
    FakeIpAddressField ipField;
    SerialLink serialLink{ctx, exchanges, serialView};
    EthernetLink ethernetLink{ctx, exchanges, ipField};
    LinkStatusQuery statusQuery{ctx, serialLink, ethernetLink};

    // The watchdog fires once it has run this long while events are processed, as the
    // real Timer1 would; the port's data-available notification comes with the events.
    int watchdogMs = 9000;
    std::int64_t watchdogStartedAt = 0;
    int startsSeen = 0;

    TransportRig() {
        serialLink.Attach();
        ethernetLink.Attach();
        events.onEvents = [this] { DeliverEvents(); };
    }

    void DeliverEvents() {
        if (timer1.starts != startsSeen) {  // armed again since the last look
            startsSeen = timer1.starts;
            watchdogStartedAt = clock.now;
        }
        const std::size_t ready = serial.incoming.CountReadyBy(clock.now);
        if (ready > 0 && serial.open) serial.listener->DataAvailable(ready);
        if (timer1.running && clock.now - watchdogStartedAt >= watchdogMs) timer1.Fire();
    }

    // A status query line with its minimum answer length, as the status reads issue it.
    void SetQuery(const std::string& line, int minLength) {
        exchanges.SetCommandLine(line);
        link.ReplyMinLength = minLength;
    }
};

}  // namespace vx::test
