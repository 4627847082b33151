#include "link/Exchanges.h"

#include <algorithm>
#include <cstring>

#include "link/PortReads.h"

namespace vx {

void Exchanges::SetCommandLine(std::string_view line) {
    auto& buf = c_.Link.CommandLine;
    const std::size_t n = std::min(line.size(), buf.size() - 1);
    std::memcpy(buf.data(), line.data(), n);
    buf[n] = '\0';
}

std::string Exchanges::CommandText() const { return std::string(c_.Link.CommandLine.data()); }

bool Exchanges::SerialCommand() {
    HourglassScope hourglass(c_.View);
    const std::string command = CommandText();
    // The command goes out once; two bare carriage returns coax a lost prompt. A port
    // that fails is reported once and not tried again.
    bool failed = false;
    if (SerialSendWaitPromptReported(command, &failed)) return true;
    if (failed) return false;
    if (SerialSendWaitPromptReported(line::BareReturn, &failed)) return true;
    if (failed) return false;
    return SerialSendWaitPromptReported(line::BareReturn);
}

bool Exchanges::SerialSendWaitPromptReported(std::string_view text, bool* failed) {
    try {
        return SerialSendWaitPrompt(text);
    } catch (const LinkError& e) {
        if (failed) *failed = true;
        c_.Prompts.ShowMessage(e.what());
        return false;
    }
}

bool Exchanges::SerialSendWaitPrompt(std::string_view text) {
    if (!c_.Serial.IsOpen()) return true;
    if (c_.Link.Stopping) return false;
    const auto busy = c_.Model.HandlerBusy;
    c_.Model.HandlerBusy = 1;
    // Whatever happens during the wait, the window comes back as it was.
    struct Restore {
        LinkContext& c;
        std::int32_t busy;
        ~Restore() {
            c.View.ShowStatus("");
            c.View.SetPageControlEnabled(true);
            c.Model.HandlerBusy = busy;
        }
    } restore{c_, busy};
    c_.Serial.FlushInput();
    c_.View.ShowStatus(SendingCommandText);
    SerialWrite(text);
    c_.View.SetPageControlEnabled(false);
    return WaitForString(std::string_view(&c_.Link.PromptChar, 1), c_.Link.SerialWaitTicks);
}

void Exchanges::SerialWrite(std::string_view text) {
    if (!c_.Serial.IsOpen() || c_.Link.Stopping) return;
    if (SerialOutputHasRoom(c_.Serial, text)) {
        c_.Serial.Write(text);
    } else {
        c_.Prompts.ShowMessage(OutputOverflowText);
    }
}

bool Exchanges::WaitForString(std::string_view text, int ticks) {
    if (text.empty()) return true;
    const std::int64_t tickMs = std::max(1, c_.Link.Limits.TickMs);
    const std::int64_t lastTick = c_.Time.NowMs() / tickMs + ticks;
    std::string window;
    for (;;) {
        if (!c_.Serial.IsOpen()) return false;  // the port went away during the wait
        const std::int64_t now = c_.Time.NowMs();
        if (now / tickMs > lastTick) return false;
        const auto remaining = static_cast<int>((lastTick + 1) * tickMs - now);
        const int b = c_.Serial.ReadByte(remaining);
        if (b < 0) continue;
        window.push_back(static_cast<char>(b));
        if (window.size() > text.size()) window.erase(window.begin());
        if (window == text) return true;
    }
}

bool Exchanges::SocketCommand() {
    HourglassScope hourglass(c_.View);
    return SocketSendWait(CommandText());
}

bool Exchanges::SocketSendWait(std::string_view text) {
    std::fill_n(c_.Link.SocketReadArea.begin(), SocketChunkSize, 0);
    if (!c_.Tcp.IsActive() || c_.Link.Stopping) return false;
    const int timeout = c_.Link.Limits.StreamTimeoutMs;
    DiscardTcpInput(c_.Tcp);  // what an earlier exchange left may not pass for this answer
    c_.Tcp.Send(text);
    if (!c_.Tcp.WaitForData(timeout)) return false;
    constexpr std::size_t CommandAnswerBytes = 20;
    return c_.Tcp.Read(c_.Link.SocketReadArea.data(), CommandAnswerBytes, timeout) > 0;
}

void Exchanges::SocketSend() {
    if (c_.Tcp.IsActive() && !c_.Link.Stopping) c_.Tcp.Send(CommandText());
}

}  // namespace vx
