#pragma once
// The three exchange disciplines that carry a line to the switcher: a serial command
// with prompt waits and retries, a TCP command with a bounded wait, a TCP send.
// None of them reports to its caller whether the switcher answered.
#include <string>
#include <string_view>

#include "link/CommandLines.h"
#include "link/LinkContext.h"

namespace vx {

class Exchanges {
public:
    explicit Exchanges(LinkContext& ctx) : c_(ctx) {}

    // Puts a line into CommandLine (cut to fit, always NUL-terminated).
    void SetCommandLine(std::string_view line);
    std::string CommandText() const;

    // Both tell whether the switcher answered, for the activity log; callers need not ask.
    bool SerialCommand();
    bool SerialSendWaitPrompt(std::string_view line);
    // SerialSendWaitPrompt, with a failure of the port shown to the operator instead of
    // raised: the caller goes on as after an unanswered line, so its model changes stand.
    // Failed tells whether the port failed.
    bool SerialSendWaitPromptReported(std::string_view line, bool* failed = nullptr);
    void SerialWrite(std::string_view line);
    bool SocketCommand();
    bool SocketSendWait(std::string_view line);
    void SocketSend();

    // Takes received characters one by one until text has arrived or the tick limit
    // has passed; processes no events.
    bool WaitForString(std::string_view text, int ticks);

private:
    LinkContext& c_;
};

inline constexpr const char* SendingCommandText = "Sending command....";
inline constexpr const char* OutputOverflowText =
    "Error! RS-232 communication port output buffer overflow. Please resend command.";

}  // namespace vx
