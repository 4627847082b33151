#pragma once
// The switcher's command interpreter: one received line in, its effect on the
// shared state and the answer to give out. No sockets, no clock: the event loop
// decides when and how the answer is written.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "SwitcherModel.h"

namespace vxsim {

enum class AnswerKind {
    PromptOnly,  // a bare line: just the prompt
    Ack,         // a command done: short text and the prompt
    Error,       // nothing changed: error text and the prompt
    Status,      // a status query: framed binary payload
};

namespace answer {
inline constexpr const char* Ok = "OK";
inline constexpr const char* UnknownKeyword = "ERR UNKNOWN";
inline constexpr const char* ArgumentCount = "ERR ARGS";
inline constexpr const char* OutOfRange = "ERR RANGE";
inline constexpr const char* TooLong = "ERR TOO LONG";
inline constexpr const char* NotStored = "ERR NOT STORED";
inline constexpr const char* NotMember = "ERR NOT MEMBER";
}  // namespace answer

struct Outcome {
    AnswerKind Kind = AnswerKind::PromptOnly;
    std::string Keyword;        // upper case; empty for a bare line
    std::string Text;           // Ack and Error
    std::vector<byte> Payload;  // Status
    bool StartsReset = false;   // the switcher is busy resetting before it answers
};

class Interpreter {
public:
    explicit Interpreter(const SwitcherIdentity& identity);

    Outcome Execute(std::string_view line);
    // The answer to a line that ran past the length a switcher accepts.
    static Outcome RejectTooLong();
    // Commands with these keywords are acknowledged but change nothing, as a switcher
    // that says OK and does not act.
    void SetIgnored(std::set<std::string> keywords) { ignored_ = std::move(keywords); }

    SwitcherModel& Model() { return live_; }
    const SwitcherModel& Model() const { return live_; }

private:
    SwitcherModel factory_;
    SwitcherModel live_;
    SystemSettings saved_;
    std::set<std::string> ignored_;
};

// True for the six status-query keywords.
bool IsQueryKeyword(std::string_view keyword);
// True for every keyword the switcher understands.
bool IsKnownKeyword(std::string_view keyword);

}  // namespace vxsim
