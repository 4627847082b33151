#pragma once
// State of the link layer, shared by the exchanges, the transports and connection management.
#include <array>
#include <atomic>
#include <cstdint>

#include "link/LinkJournal.h"

namespace vx {

inline constexpr int CommandLineSize = 250;
inline constexpr int ReplyBufferSize = 5200;
inline constexpr int SocketChunkSize = 100;
inline constexpr int SocketChunkCount = 100;
inline constexpr int NormalWaitTicks = 80;
inline constexpr int ProbeWaitTicks = 10;
inline constexpr int ResetWaitTicks = 810;

// The protocol's time limits. The product uses these values; tests shorten them.
struct LinkLimits {
    int TickMs = 55;              // one tick of the serial prompt wait
    int StreamTimeoutMs = 5000;   // every TCP stream wait and read
    int QueryPauseMs = 100;       // pause before a TCP query and after a parse failure
};

struct LinkState {
    LinkLimits Limits;
    // Set once the panel is ending (a signal, from its handler): no line, exchange, poll or
    // connection starts any more; a wait under way ends within its own limit.
    std::atomic<bool> Stopping{false};
    bool SerialLinkActive = false;
    // Counted for what depends on which switcher is at the far end: each link opened (a
    // serial port, a TCP connection) and each matrix information read whole.
    int LinkOpenings = 0;
    int InfoReads = 0;
    bool EthernetConnecting = false;
    bool ConnectAborted = false;
    // Operator actions and exchanges under way (see ExchangeScope): one arriving while
    // another is open came from the events processed inside a wait.
    int ExchangeDepth = 0;
    // Of those, follow mode's own (a poll, a reconnection attempt, the read after it; see
    // BackgroundExchange). While they are all that is open, the TCP waits let the window
    // run; BackgroundCut ends such a wait early (follow switched off, another link chosen).
    int BackgroundDepth = 0;
    bool BackgroundCut = false;
    bool OnlyBackground() const { return BackgroundDepth > 0 && BackgroundDepth == ExchangeDepth; }
    // Waits running under the watchdog Timer1; the innermost one does not disarm it.
    int WatchdogDepth = 0;
    char PromptChar = '#';
    int SerialWaitTicks = NormalWaitTicks;
    std::array<char, CommandLineSize> CommandLine{};  // NUL-terminated
    std::array<std::uint8_t, ReplyBufferSize> ReplyBuffer{};
    int ReplyWritePos = 0;
    // Bytes of the last status answer that really arrived in ReplyBuffer (the collectors
    // set it), so a parser never takes stale bytes of an earlier answer for payload.
    int ReplyLength = 0;
    int ReplyMinLength = 0;
    // The payload length of the status query in flight (its issuer sets it beside
    // ReplyMinLength); -1 when none is expected. The collectors let no prompt inside that
    // payload end the answer.
    int ReplyPayloadLength = -1;
    bool ReplyPending = false;
    bool ReplyFailed = false;
    std::array<std::uint8_t, SocketChunkSize * SocketChunkCount> SocketReadArea{};

    LinkState() = default;
    explicit LinkState(LinkJournal& journal) : journal_(&journal) {}
    LinkState(const LinkState&) = delete;
    LinkState& operator=(const LinkState&) = delete;

    // The activity log of the process (the panel core owns it): every line and link event
    // passes through here. A link state given none keeps nothing.
    LinkJournal& Activity() { return journal_ != nullptr ? *journal_ : quiet_; }

private:
    LinkJournal* journal_ = nullptr;
    QuietLinkJournal quiet_;
};

}  // namespace vx
