#pragma once
// The links over the real Qt adapters, with the time limits shortened so that no test
// waits out a product time-out, and every COM port mapped into a temporary directory so
// that no test touches the machine's own serial devices.
#include <QString>
#include <fstream>
#include <iterator>
#include <string>

#include "FakePorts.h"
#include "TempWorkingDir.h"
#include "TransportRig.h"
#include "link/CommandSender.h"
#include "link/EthernetLink.h"
#include "link/Exchanges.h"
#include "link/SerialLink.h"
#include "link/StatusQuery.h"
#include "platform/QtBasics.h"
#include "platform/QtSerialPortService.h"
#include "platform/QtTcpClientService.h"

namespace vx::test {

struct PlatformRig {
    TempWorkingDir dir;  // pseudo-terminal links, transcripts and IPSave.ini live here
    SwitcherState model;
    LinkState link;
    platform::QtSerialPortService serial;
    platform::QtTcpClientService tcp;
    platform::QtClock clock;
    platform::QtEventPump events;
    platform::QtWatchdog timer1{5000};
    ScriptedPrompter prompts;
    RecordingLinkView view;
    LinkContext ctx{model, link, serial, tcp, clock, events, timer1, prompts, view};
    Exchanges exchanges{ctx};
    CommandSender sender{ctx, exchanges};
    RecordingSerialLinkView serialView;
    FakeIpAddressField ipField;
    SerialLink serialLink{ctx, exchanges, serialView};
    EthernetLink ethernetLink{ctx, exchanges, ipField};
    LinkStatusQuery statusQuery{ctx, serialLink, ethernetLink};

    PlatformRig() {
        link.Limits.StreamTimeoutMs = 700;
        link.Limits.QueryPauseMs = 10;
        serial.SetPortPaths({{1, Path("com1")}, {2, Path("com2")}, {3, Path("com3")}, {4, Path("com4")}});
        serialLink.Attach();
        ethernetLink.Attach();
    }
    ~PlatformRig() {
        if (serial.IsOpen()) serial.Close();
        tcp.Close();
    }

    QString Path(const char* name) const { return QString::fromStdString((dir.Path() / name).string()); }

    std::string Transcript(const char* name) const {
        std::ifstream in(dir.Path() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string Reply() const {
        return std::string(link.ReplyBuffer.begin(), link.ReplyBuffer.begin() + link.ReplyLength);
    }

    bool ReplyAllZero() const {
        for (auto b : link.ReplyBuffer)
            if (b != 0) return false;
        return true;
    }

    // A switcher on COM n, the port opened the way a successful probe leaves it.
    bool OpenSerial(int n) {
        serial.SelectPort(n);
        try {
            serial.Open();
        } catch (const LinkError&) {
            return false;
        }
        return model.SerialPortOpen == 1;
    }

    void Query(const std::string& line, int minLength) {
        exchanges.SetCommandLine(line);
        link.ReplyMinLength = minLength;
        statusQuery.RunStatusQuery();
    }
};

}  // namespace vx::test
