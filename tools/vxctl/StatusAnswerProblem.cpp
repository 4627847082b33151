#include "StatusAnswerProblem.h"

#include <algorithm>

#include "link/AnswerFrame.h"

namespace vxctl {

std::string StatusAnswerProblem(std::span<const std::uint8_t> received, int payloadLength) {
    if (received.empty() || vx::LocatePayload(received, payloadLength)) return {};
    const auto marker = std::find(received.begin(), received.end(), vx::AnswerMarker);
    if (marker == received.end())
        return "it holds no marker (0x01) in its " + std::to_string(received.size()) + " bytes";
    const auto at = static_cast<std::size_t>(marker - received.begin());
    if (at >= static_cast<std::size_t>(vx::MarkerSearchLimit))
        return "its marker (0x01) is at byte " + std::to_string(at + 1) + ", beyond the first " +
               std::to_string(vx::MarkerSearchLimit);
    const std::size_t payload = received.size() - std::min(received.size(), at + 2);
    return "its payload is cut short (" + std::to_string(payload) + " of " + std::to_string(payloadLength) +
           " bytes)";
}

}  // namespace vxctl
