// Why a line or a status query of vxctl failed, in the words of what happened: the link
// lost or closed (and why), memory that ran out, an answer without its marker in reach, or
// a switcher that did not answer.
#include <algorithm>
#include <new>
#include <span>

#include "ConsoleViews.h"
#include "CtlSession.h"
#include "StatusAnswerProblem.h"

namespace vxctl {

std::string CtlSession::NoAnswerText(const vx::LineAnswer& a, const char* silence) const {
    // A connection that ended ends the wait at once: that is not a silence.
    if (!a.Serial)
        if (std::string gone = LinkGoneText(); !gone.empty()) return gone;
    return silence + (" from the switcher within " + std::to_string(a.WaitedLimitMs) + " ms");
}

std::string CtlSession::LinkGoneText() const {
    auto& c = core_.Context();
    if (r_.Link == LinkKind::Serial) {
        if (c.Serial.IsOpen()) return {};
        const std::string cause = c.Serial.FailureText();
        return "the serial port " + LinkName() + " was lost" + (cause.empty() ? "" : ": " + cause);
    }
    if (c.Tcp.IsActive()) return {};
    const std::string cause = c.Tcp.FailureText();
    if (cause.empty()) return "the switcher closed the connection to " + LinkName();
    return "the connection to " + LinkName() + " failed on this side: " + cause;
}

bool CtlSession::Query(bool (vx::StatusReader::*read)(), const char* query, const std::string& silence) {
    const std::size_t seen = views_.Messages().size();
    try {
        if ((core_.Reader().*read)()) return true;
    } catch (const std::bad_alloc&) {
        Failure(std::string("out of memory while reading the answer to ") + query);
        return false;
    }
    if (const std::string gone = LinkGoneText(); !gone.empty()) {
        Failure(gone + " (while waiting for the answer to " + query + ")");
        return false;
    }
    const auto& l = core_.Link();
    if (!l.ReplyFailed) {
        const auto received =
            std::span(l.ReplyBuffer.data(),
                      static_cast<std::size_t>(std::clamp(l.ReplyLength, 0, vx::ReplyBufferSize)));
        if (const std::string problem = StatusAnswerProblem(received, l.ReplyPayloadLength);
            !problem.empty()) {
            Failure(std::string("an answer to ") + query + " came without its marker in reach: " + problem);
            return false;
        }
    }
    Failure(silence + PanelMessages(seen));
    return false;
}

}  // namespace vxctl
