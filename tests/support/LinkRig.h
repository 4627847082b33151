#pragma once
// A complete link context over fakes: the fixture most core tests start from.
#include "FakePorts.h"
#include "link/CommandSender.h"
#include "link/Exchanges.h"
#include "link/LinkContext.h"

namespace vx::test {

struct LinkRig {
    SwitcherState model;
    LinkState link;
    FakeClock clock;
    FakeSerialPort serial{clock};
    FakeTcpClient tcp{clock};
    FakeEventPump events{clock};
    FakeWatchdog timer1;
    ScriptedPrompter prompts;
    RecordingLinkView view;
    LinkContext ctx{model, link, serial, tcp, clock, events, timer1, prompts, view};
    Exchanges exchanges{ctx};
    CommandSender sender{ctx, exchanges};

    // A switcher on an open serial port that answers every line with its prompt.
    void ConnectAnsweringSerial() {
        serial.open = true;
        model.SerialPortOpen = 1;
        link.SerialLinkActive = true;
        serial.onWrite = [this](const std::string&) { serial.Answer("OK\r\n#", 5); };
    }
    // A connected TCP switcher that acknowledges every line.
    void ConnectAnsweringTcp() {
        tcp.active = true;
        model.EthernetConnected = 1;
        tcp.onSend = [this](const std::string&) { tcp.Answer("OK\r\n#", 5); };
    }
};

}  // namespace vx::test
