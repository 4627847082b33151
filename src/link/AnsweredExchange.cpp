#include "link/AnsweredExchange.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <new>

#include "link/PortReads.h"

namespace vx {
namespace {

// Collects answer bytes and says when the prompt that ends the answer has come: a prompt
// alone (the answer to an empty line) or one that starts a line. A '#' inside a text
// is part of it.
class AnswerCollector {
public:
    explicit AnswerCollector(char prompt) : prompt_(prompt) {}
    // True when b ended the answer.
    bool Take(char b) {
        const bool lineStart = bytes_.empty() || bytes_.back() == '\n' || bytes_.back() == '\r';
        if (b == prompt_ && lineStart) return true;
        if (bytes_.size() < static_cast<std::size_t>(ReplyBufferSize)) bytes_.push_back(b);
        return false;
    }
    std::string& Bytes() { return bytes_; }

private:
    char prompt_;
    std::string bytes_;
};

}  // namespace

bool LineAnswer::IsError() const {
    if (!Answered()) return false;
    const auto start = Bytes.find_first_not_of("\r\n\t ");
    if (start == std::string::npos) return false;
    std::string word = Bytes.substr(start, 3);
    for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return word == "ERR";
}

int AnsweredExchange::WaitLimitMs(bool longWait) const {
    const auto& l = c_.Link;
    if (c_.Link.SerialLinkActive) return (longWait ? ResetWaitTicks : l.SerialWaitTicks) * l.Limits.TickMs;
    return longWait ? ResetWaitTicks * l.Limits.TickMs : l.Limits.StreamTimeoutMs;
}

LineAnswer AnsweredExchange::Exchange(std::string_view line, bool longWait) {
    const int limit = WaitLimitMs(longWait);
    LineAnswer answer;
    try {
        if (c_.Link.SerialLinkActive) {
            answer = OverSerial(line, limit);
        } else if (c_.Model.EthernetConnected) {
            answer = OverTcp(line, limit);
        }
    } catch (const LinkError& e) {
        answer.Result = LineAnswer::Outcome::LinkFailed;
        answer.Failure = e.what();
    } catch (const std::bad_alloc&) {
        // Said as it is: not taken for a switcher that did not answer.
        answer.Result = LineAnswer::Outcome::LinkFailed;
        answer.Failure = OutOfMemoryText;
    }
    answer.WaitedLimitMs = limit;
    using Logged = LinkJournal::LineOutcome;
    c_.Link.Activity().NoteLine(std::string(line),
                                answer.Result == LineAnswer::Outcome::Answered ? Logged::Answered
                                : answer.Result == LineAnswer::Outcome::NoLink ? Logged::NotSent
                                                                               : Logged::NoAnswer);
    return answer;
}

void AnsweredExchange::Carry(const std::string& line, bool longWait) {
    carried_.push_back({line, Exchange(line, longWait)});
}

LineAnswer AnsweredExchange::OverSerial(std::string_view line, int limitMs) {
    LineAnswer answer;
    answer.Serial = true;
    if (!c_.Serial.IsOpen()) return answer;
    c_.Serial.FlushInput();  // nothing left over from before may pass for this answer
    if (!SerialOutputHasRoom(c_.Serial, line)) {
        answer.Result = LineAnswer::Outcome::LinkFailed;
        answer.Failure = OutputOverflowText;
        return answer;
    }
    c_.Serial.Write(line);
    AnswerCollector collector(c_.Link.PromptChar);
    const std::int64_t deadline = c_.Time.NowMs() + limitMs;
    answer.Result = LineAnswer::Outcome::NoAnswer;
    for (;;) {
        if (!c_.Serial.IsOpen()) {
            answer.Result = LineAnswer::Outcome::LinkFailed;
            answer.Failure = c_.Serial.FailureText();
            if (answer.Failure.empty()) answer.Failure = "the serial port was closed";
            break;
        }
        const std::int64_t left = deadline - c_.Time.NowMs();
        if (left <= 0) break;
        const int b = c_.Serial.ReadByte(static_cast<int>(left));
        if (b < 0) continue;
        if (collector.Take(static_cast<char>(b))) {
            answer.Result = LineAnswer::Outcome::Answered;
            break;
        }
    }
    answer.Bytes = std::move(collector.Bytes());
    return answer;
}

void AnsweredExchange::ReadRestOfConnectAnswer() {
    constexpr std::size_t ConnectAnswerBytes = 20;  // what the connect test reads
    const auto& area = c_.Link.SocketReadArea;
    const auto prompt = static_cast<std::uint8_t>(c_.Link.PromptChar);
    if (std::find(area.begin(), area.begin() + ConnectAnswerBytes, prompt) !=
        area.begin() + ConnectAnswerBytes)
        return;  // the whole answer came in the test's read
    if (c_.Tcp.IsActive())
        DiscardTcpThroughPrompt(c_.Tcp, c_.Time, c_.Link.PromptChar, c_.Link.Limits.StreamTimeoutMs);
}

LineAnswer AnsweredExchange::OverTcp(std::string_view line, int limitMs) {
    LineAnswer answer;
    if (!c_.Tcp.IsActive()) return answer;
    DiscardTcpInput(c_.Tcp);  // a late answer to an earlier line may not pass for this one
    c_.Tcp.Send(line);
    AnswerCollector collector(c_.Link.PromptChar);
    const std::int64_t deadline = c_.Time.NowMs() + limitMs;
    answer.Result = LineAnswer::Outcome::NoAnswer;
    std::array<std::uint8_t, SocketChunkSize> chunk{};
    bool ended = false;
    while (!ended) {
        const std::int64_t left = deadline - c_.Time.NowMs();
        if (left <= 0 || !c_.Tcp.IsActive()) break;
        const std::size_t n = c_.Tcp.Read(chunk.data(), chunk.size(), static_cast<int>(left));
        if (n == 0) continue;
        for (std::size_t i = 0; i < n && !ended; ++i) ended = collector.Take(static_cast<char>(chunk[i]));
    }
    if (ended) {
        answer.Result = LineAnswer::Outcome::Answered;
    } else if (!c_.Tcp.IsActive() && !c_.Tcp.FailureText().empty()) {
        // The connection ended on this side (a write that failed), not at the switcher.
        answer.Result = LineAnswer::Outcome::LinkFailed;
        answer.Failure = c_.Tcp.FailureText();
    }
    answer.Bytes = std::move(collector.Bytes());
    return answer;
}

std::string EscapeAnswerBytes(std::string_view bytes) {
    std::string out;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                if (c >= 0x20 && c < 0x7F) {
                    out.push_back(ch);
                } else {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02X", c);
                    out += hex;
                }
        }
    }
    return out;
}

}  // namespace vx
