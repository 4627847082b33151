#include "Responder.h"

#include <algorithm>

#include "AnswerFrame.h"

namespace vxsim {

void Responder::Serve(Link& link, const ReceivedLine& line, Micros now, Micros& busyUntil) {
    const Outcome outcome = line.TooLong ? Interpreter::RejectTooLong() : interpreter_.Execute(line.Text);
    ++link.LinesServed;
    if (link.Kind == LinkKind::Tcp && options_.DropAfter > 0 && link.LinesServed >= options_.DropAfter)
        link.Closing = true;

    if (outcome.StartsReset) busyUntil = std::max(busyUntil, now + Micros{options_.ResetDelayMs} * 1000);
    const bool answered = !options_.Silent && !options_.NoAnswer.count(outcome.Keyword);
    if (!answered) return;

    const std::string bytes = FrameAnswer(outcome, line.Text, options_.Frame);
    Micros due = std::max(now, outcome.StartsReset ? busyUntil : now) + Micros{options_.DelayMs} * 1000;
    if (options_.Chunk <= 0) {
        link.Out.Enqueue(bytes, due);
        return;
    }
    const auto chunk = static_cast<std::size_t>(options_.Chunk);
    for (std::size_t at = 0; at < bytes.size(); at += chunk) {
        link.Out.Enqueue(bytes.substr(at, chunk), due);
        due += Micros{options_.ChunkPauseMs} * 1000;
    }
}

}  // namespace vxsim
