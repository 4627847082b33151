#pragma once
// An exchange that returns what the switcher answered to one line, for a tool that must
// know each command's outcome (the panel's own exchanges report nothing). It takes the
// link in use as the command operations do (serial when a switcher answered on a COM
// port, else TCP when connected), keeps the panel's time limits, and reads the answer up
// to its prompt, so the next exchange does not find it waiting.
#include <string>
#include <string_view>
#include <vector>

#include "link/CommandSender.h"
#include "link/LinkContext.h"

namespace vx {

struct LineAnswer {
    enum class Outcome { Answered, NoAnswer, NoLink, LinkFailed };
    Outcome Result = Outcome::NoLink;
    // The bytes before the prompt; on no answer, whatever came within the time limit.
    std::string Bytes;
    std::string Failure;  // the service's own text when the link failed
    int WaitedLimitMs = 0;
    bool Serial = false;  // which link carried the line

    bool Answered() const { return Result == Outcome::Answered; }
    // The switcher answered with an error text ("ERR ...").
    bool IsError() const;
};

// The failure of a line during which memory ran out.
inline constexpr const char* OutOfMemoryText = "out of memory";

struct CarriedLine {
    std::string Line;
    LineAnswer Answer;
};

class AnsweredExchange : public CommandCarrier {
public:
    explicit AnsweredExchange(LinkContext& ctx) : c_(ctx) {}

    // Sends one line (its carriage return included) and collects the answer. LongWait
    // allows for a reset, which keeps the switcher busy before it answers.
    LineAnswer Exchange(std::string_view line, bool longWait = false);

    // Every command a subsystem sends through the command sender comes here and is kept.
    void Carry(const std::string& line, bool longWait) override;
    bool LastAcknowledged() const override {
        return !carried_.empty() && carried_.back().Answer.Answered() && !carried_.back().Answer.IsError();
    }
    const std::vector<CarriedLine>& Carried() const { return carried_; }

    // The TCP connect test reads only the first bytes of the switcher's answer; the rest,
    // up to its prompt, is read away here so that the first status query does not take it
    // for its own answer. Bounded by the stream limit.
    void ReadRestOfConnectAnswer();

    // The limit of one answer's wait: the serial prompt wait or the TCP stream wait.
    int WaitLimitMs(bool longWait) const;

private:
    LineAnswer OverSerial(std::string_view line, int limitMs);
    LineAnswer OverTcp(std::string_view line, int limitMs);

    LinkContext& c_;
    std::vector<CarriedLine> carried_;
};

// An answer's bytes for a terminal: printable ASCII as it is, the rest escaped
// (\r, \n, \t, \\ and \xHH).
std::string EscapeAnswerBytes(std::string_view bytes);

}  // namespace vx
