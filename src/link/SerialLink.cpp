#include "link/SerialLink.h"

#include <algorithm>
#include <array>

#include "link/AnswerEndRule.h"

namespace vx {

std::string PortBusyText(int n) {
    return "Note: COM Port #" + std::to_string(n) + " is not responding/being used by another application.";
}

std::string PortNotRespondingText(int n) {
    return "Note: COM Port #" + std::to_string(n) + " is not responding.";
}

std::string PortLostText(int n) {
    return "Error! The connection to COM" + std::to_string(n) +
           " was lost: the serial adapter was removed or the port was closed at the other end.\n\n"
           "To connect again when it is back, choose 'Serial Port->Connect to Vextaro SDI' or the "
           "port under 'Serial Port->Open COM'.";
}

void SerialLink::PortLost() {
    auto& l = c_.Link;
    ApdComPort1PortClose();
    if (l.ReplyPending) {  // the query waiting on this port ends now, as failed
        l.ReplyPending = false;
        l.ReplyFailed = true;
    }
    SetSerialLinkActive(false);
    view_.SetComNumberText(NoComNumberText);
    if (onLost_) onLost_();
    c_.Prompts.ShowMessage(PortLostText(c_.Serial.PortNumber()));
}

void SerialLink::Attach() {
    c_.Serial.SetListener(this);
    c_.Timer1.SetHandler([this] { Timer1Timer(); });
}

template <class Done>
void SerialLink::WaitWithWatchdog(Done done) {
    WatchdogRun watchdog(c_.Timer1, c_.Link);
    while (!done()) c_.Events.WaitForEvents();
}

int SerialLink::ProbeSerialPort(int n) {
    int result = ProbeNoPrompt;
    if (!c_.Serial.IsAvailable(n)) {
        if (std::string problem = c_.Serial.OpenProblem(n); !problem.empty())
            probeProblems_.push_back("COM" + std::to_string(n) + ", " + problem);
        return ProbeUnavailable;
    }
    if (c_.Serial.IsOpen()) {
        c_.Serial.Close();
        c_.Link.ReplyFailed = false;
        WaitWithWatchdog([this] { return !c_.Model.SerialPortOpen || c_.Link.ReplyFailed; });
    }
    c_.Serial.SelectPort(n);
    if (!c_.Model.SerialPortOpen) {
        try {
            c_.Serial.Open();
        } catch (const LinkError&) {
            c_.Prompts.ShowMessage(PortBusyText(n));
            return ProbeOpenFailed;
        }
        c_.Link.ReplyFailed = false;
        WaitWithWatchdog([this] { return c_.Model.SerialPortOpen || c_.Link.ReplyFailed; });
    }
    // A port whose opening was never confirmed (the watchdog has said so) is not tested:
    // the prompt wait would count a closed port as answered.
    if (!c_.Model.SerialPortOpen || !c_.Serial.IsOpen()) return ProbeOpenFailed;
    return TestForPrompt(n, result) ? ProbeAnswered : result;
}

bool SerialLink::TestForPrompt(int n, int& result) {
    try {
        const bool prompted =
            x_.SerialSendWaitPrompt(line::BareReturn) || x_.SerialSendWaitPrompt(line::BareReturn);
        // A port lost during the wait has not answered, though a wait on a closed port
        // returns at once as if it had.
        if (!c_.Serial.IsOpen()) {
            result = ProbePortFailed;
            return false;
        }
        return prompted;
    } catch (const LinkError&) {
        c_.Prompts.ShowMessage(PortNotRespondingText(n));
        result = ProbePortFailed;
        return false;
    }
}

int SerialLink::ConnectSerial(int n) {
    c_.View.SetPageControlEnabled(false);
    HourglassScope hourglass(c_.View);
    c_.Link.SerialWaitTicks = ProbeWaitTicks;
    struct Restore {
        LinkContext& c;
        ~Restore() {
            c.Link.SerialWaitTicks = NormalWaitTicks;
            c.View.SetPageControlEnabled(true);
        }
    } restore{c_};

    probeProblems_.clear();
    bool answered = false;
    if (n == 0) {
        for (int port = 1; port <= 4 && !answered; ++port) answered = ProbeSerialPort(port) == ProbeAnswered;
    } else if (n >= 1 && n <= 4) {
        answered = ProbeSerialPort(n) == ProbeAnswered;
    }
    if (answered) {
        const std::string number = std::to_string(c_.Serial.PortNumber());
        c_.View.ShowStatus(EstablishedText + number);
        view_.SetComNumberText(number);
        return 1;
    }
    if (c_.Serial.IsOpen()) c_.Serial.Close();
    view_.SetComNumberText(NoComNumberText);
    return -1;
}

void SerialLink::SetSerialLinkActive(bool on) {
    c_.Link.SerialLinkActive = on;
    c_.Serial.SetLineMonitoring(on);
}

void SerialLink::SerialQuery() {
    auto& l = c_.Link;
    if (!c_.Serial.IsOpen() || l.Stopping) {
        l.ReplyFailed = true;
        return;
    }
    l.ReplyFailed = false;
    l.ConnectAborted = false;
    l.ReplyBuffer[0] = 0;
    l.ReplyWritePos = 0;
    l.ReplyLength = 0;
    l.ReplyPending = true;
    c_.Serial.FlushInput();
    WatchdogRun watchdog(c_.Timer1, c_.Link);
    x_.SerialWrite(x_.CommandText());
    while (l.ReplyPending && !l.ReplyFailed) c_.Events.WaitForEvents();
}

void SerialLink::SerialReplyCollector(std::size_t count) {
    auto& l = c_.Link;
    if (!l.ReplyPending) return;  // left in the port until the next exchange flushes it
    auto& buf = l.ReplyBuffer;
    l.ReplyWritePos = std::clamp(l.ReplyWritePos, 0, ReplyBufferSize);
    const std::size_t room = static_cast<std::size_t>(ReplyBufferSize - l.ReplyWritePos);
    const std::size_t got = c_.Serial.Read(buf.data() + l.ReplyWritePos, std::min(count, room));
    const int end = l.ReplyWritePos + static_cast<int>(got);
    AnswerEndRule rule(l.ReplyPayloadLength);
    // The marker may have come in an earlier piece.
    for (int p = 0; p < std::min(l.ReplyWritePos, MarkerSearchLimit); ++p) rule.See(p, buf[p]);
    for (int p = l.ReplyWritePos; p < end; ++p) {
        // The end is CR LF and the prompt after at least ReplyMinLength bytes and after the
        // payload: a # inside binary answer data comes earlier or without the CR LF before it.
        if (buf[p] == static_cast<std::uint8_t>(l.PromptChar) && p >= l.ReplyMinLength && p >= 2 &&
            buf[p - 1] == 0x0A && buf[p - 2] == 0x0D && !rule.InsidePayload(static_cast<std::size_t>(p))) {
            l.ReplyLength = p + 1;
            l.ReplyWritePos = 0;
            l.ReplyPending = false;
            return;
        }
        rule.See(static_cast<std::size_t>(p), buf[p]);
        ++l.ReplyWritePos;
    }
    if (l.ReplyWritePos >= ReplyBufferSize) FailOversizeAnswer(count - got);
}

void SerialLink::FailOversizeAnswer(std::size_t unread) {
    auto& l = c_.Link;
    std::array<std::uint8_t, 256> scratch{};
    while (unread > 0) {  // the rest of this answer is of no use
        const std::size_t n = c_.Serial.Read(scratch.data(), std::min(unread, scratch.size()));
        if (n == 0) break;
        unread -= n;
    }
    l.ReplyBuffer.fill(0);  // no half answer for the parsers to take
    l.ReplyWritePos = 0;
    l.ReplyLength = 0;
    l.ReplyPending = false;
    l.ReplyFailed = true;
    c_.View.ShowStatus(ReplyTooLongText);
}

void SerialLink::Timer1Timer() {
    c_.Timer1.Stop();
    const bool ethernet = c_.Link.EthernetConnecting || c_.Model.EthernetConnected;
    c_.Prompts.ShowMessage(ethernet ? EthernetTimeoutText : SerialTimeoutText);
    // Set only after the box is dismissed, so the waiting loop ends then.
    c_.Link.ConnectAborted = true;
    c_.Link.ReplyFailed = true;
}

}  // namespace vx
