#include "link/AnswerFrame.h"

#include <algorithm>
#include <cstddef>

namespace vx {

std::optional<int> LocatePayload(std::span<const std::uint8_t> received, int payloadLength) {
    if (payloadLength < 0) return std::nullopt;
    const auto searched = std::min<std::size_t>(received.size(), MarkerSearchLimit);
    const auto end = received.begin() + static_cast<std::ptrdiff_t>(searched);
    const auto marker = std::find(received.begin(), end, AnswerMarker);
    if (marker == end) return std::nullopt;
    // The byte after the marker is skipped; the payload follows it.
    const std::size_t start = static_cast<std::size_t>(marker - received.begin()) + 2;
    // A short answer must not be padded with what an earlier answer left in the buffer.
    if (start + static_cast<std::size_t>(payloadLength) > received.size()) return std::nullopt;
    return static_cast<int>(start);
}

}  // namespace vx
