#include "link/EthernetLink.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "link/AnswerEndRule.h"
#include "link/IpSaveFile.h"
#include "link/IpText.h"
#include "link/PortReads.h"
#include "link/SerialLink.h"
#include "link/WatchdogRun.h"

namespace vx {

const char* SocketErrorText(SocketErrorKind kind) {
    switch (kind) {
        case SocketErrorKind::General: return "Socket General Error";
        case SocketErrorKind::Send: return "Socket Send Error";
        case SocketErrorKind::Receive: return "Socket Receive Error";
        case SocketErrorKind::Connect: return "Socket Connection Error: Check Ethernet cable";
        case SocketErrorKind::Disconnect: return "Socket Disconnect Error";
        case SocketErrorKind::Other: break;
    }
    return "";
}

void EthernetLink::ClientSocket1Error(SocketErrorKind kind) {
    c_.Prompts.ShowMessage(SocketErrorText(kind));
    c_.Link.EthernetConnecting = false;
}

ConnectOutcome EthernetLink::ConnectEthernet() {
    if (c_.Tcp.IsActive()) {
        c_.Tcp.Close();
        while (c_.Tcp.IsActive()) c_.Events.WaitForEvents();
    }
    if (field_.IpText().empty()) return ConnectOutcome::NoAddress;
    if (!NormalizeIpText()) {
        // Nothing is sent to an address that is not one; the operator is told in a box,
        // which the serial fall-back that follows cannot wipe as it would the status line.
        c_.Prompts.ShowMessage(NotAnIpAddressText(field_.IpText()));
        return ConnectOutcome::NotConnected;
    }
    return ConnectTo(field_.IpText());
}

ConnectOutcome EthernetLink::ConnectTo(const std::string& address) {
    if (c_.Link.Stopping) return ConnectOutcome::NotConnected;
    // Follow's reconnection goes on behind the operator's back, with the window in use.
    std::optional<HourglassScope> hourglass;
    if (!c_.Link.OnlyBackground()) hourglass.emplace(c_.View);
    try {
        return ConnectAndTest(address);
    } catch (const LinkError& e) {
        c_.Link.EthernetConnecting = false;
        c_.Prompts.ShowMessage(e.what());
        return ConnectOutcome::SocketFailed;
    }
}

ConnectOutcome EthernetLink::ConnectAndTest(const std::string& address) {
    auto& l = c_.Link;
    c_.Tcp.SetRemote(address, port_);
    l.EthernetConnecting = true;
    c_.Tcp.Open();
    l.ConnectAborted = false;
    {
        WatchdogRun watchdog(c_.Timer1, c_.Link);
        while (!c_.Tcp.IsActive() && l.EthernetConnecting && !l.ConnectAborted) c_.Events.WaitForEvents();
    }
    l.EthernetConnecting = false;
    if (!c_.Tcp.IsActive()) {
        // An attempt still under way would connect behind the operator's back later.
        c_.Tcp.Close();
        return ConnectOutcome::NotConnected;
    }
    lastAddress_ = address;
    return x_.SocketSendWait(line::BareReturn) ? ConnectOutcome::Answered : ConnectOutcome::Silent;
}

void EthernetLink::SocketQuery() {
    auto& l = c_.Link;
    if (!c_.Tcp.IsActive() || l.Stopping) {
        l.ReplyFailed = true;
        return;
    }
    l.ReplyFailed = false;
    l.ReplyBuffer.fill(0);
    l.ReplyLength = 0;
    l.SocketReadArea.fill(0);
    c_.Events.ProcessEvents();
    c_.Time.SleepMs(l.Limits.QueryPauseMs);
    try {
        CollectAnswer();
    } catch (const LinkError& e) {
        l.ReplyBuffer.fill(0);
        l.ReplyLength = 0;
        l.ReplyFailed = true;
        c_.Prompts.ShowMessage(e.what());
    }
}

void EthernetLink::CollectAnswer() {
    auto& l = c_.Link;
    // The connection ended while events were processed, or the panel is ending.
    if (!c_.Tcp.IsActive() || l.Stopping) {
        l.ReplyFailed = true;
        return;
    }
    const int timeout = l.Limits.StreamTimeoutMs;
    DiscardTcpInput(c_.Tcp);
    c_.Tcp.Send(x_.CommandText());
    if (!c_.Tcp.WaitForData(timeout)) return;  // ReplyBuffer stays all zero

    // The answer ends at the first prompt that follows at least ReplyMinLength other bytes
    // and lies past the payload; an earlier # is answer data. It is assembled only once its
    // end has been seen.
    const auto prompt = static_cast<std::uint8_t>(l.PromptChar);
    AnswerEndRule rule(l.ReplyPayloadLength);
    std::array<std::size_t, SocketChunkCount> counts{};
    std::size_t seen = 0;
    std::size_t total = 0;     // bytes read so far
    std::size_t answerEnd = 0;  // bytes up to and including the ending prompt
    int k = 0;
    while (k < SocketChunkCount && answerEnd == 0) {
        std::uint8_t* chunk = l.SocketReadArea.data() + static_cast<std::size_t>(k) * SocketChunkSize;
        const std::size_t n = c_.Tcp.Read(chunk, SocketChunkSize, timeout);
        counts[static_cast<std::size_t>(k)] = n;
        if (n == 0) break;
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t at = total + i;
            if (chunk[i] == prompt && seen >= static_cast<std::size_t>(std::max(0, l.ReplyMinLength)) &&
                !rule.InsidePayload(at)) {
                if (answerEnd == 0) answerEnd = at + 1;
            } else {
                ++seen;
            }
            rule.See(at, chunk[i]);
        }
        total += n;
        ++k;
        if (answerEnd == 0 && total >= static_cast<std::size_t>(ReplyBufferSize)) break;
    }
    const bool ended = answerEnd != 0;
    const bool outOfRoom = ended ? answerEnd > static_cast<std::size_t>(ReplyBufferSize)
                                 : (k == SocketChunkCount || total >= static_cast<std::size_t>(ReplyBufferSize));
    if (outOfRoom) {
        FailOversizeAnswer(!ended);
        return;
    }
    if (!ended) return;  // no end within the time-out: ReplyBuffer stays all zero

    // Whatever came after the prompt in the same read is copied too, as far as it fits.
    std::size_t at = 0;
    for (int i = 0; i < k && at < static_cast<std::size_t>(ReplyBufferSize); ++i) {
        const std::size_t n = std::min(counts[static_cast<std::size_t>(i)], ReplyBufferSize - at);
        std::memcpy(l.ReplyBuffer.data() + at,
                    l.SocketReadArea.data() + static_cast<std::size_t>(i) * SocketChunkSize, n);
        at += n;
    }
    l.ReplyLength = static_cast<int>(at);
}

void EthernetLink::FailOversizeAnswer(bool drain) {
    auto& l = c_.Link;
    l.ReplyBuffer.fill(0);
    l.ReplyLength = 0;
    l.ReplyFailed = true;
    c_.View.ShowStatus(ReplyTooLongText);
    if (!drain) return;  // the answer has ended already
    // The rest of this answer goes, within one stream limit.
    DiscardTcpThroughPrompt(c_.Tcp, c_.Time, l.PromptChar, l.Limits.StreamTimeoutMs);
}

bool EthernetLink::NormalizeIpText() {
    const std::string text = field_.IpText();
    SaveIpText(text.c_str(), text.size() + 1);  // as typed, with its NUL, as for any address
    const auto segments = ParseIpText(text);
    if (!segments) return false;
    field_.SetIpText(FormatIpText(*segments));
    return true;
}

void EthernetLink::SaveIpText(const char* text, std::size_t length) {
    if (!WriteIpSaveFile(ipSavePath_, text, length)) c_.Prompts.ShowMessage(SaveIpFailedText);
}

void EthernetLink::LoadIpText() {
    const auto word = ReadIpSaveFile(ipSavePath_);
    if (!word) {
        c_.Prompts.ShowMessage(LoadIpFailedText);
        return;
    }
    if (!word->empty()) field_.SetIpText(*word);
}

}  // namespace vx
