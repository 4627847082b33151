#pragma once
// Where a status answer may end. Its payload may hold any byte, the prompt and CR LF
// included, so once the marker is among the bytes received the answer cannot end before
// marker + 2 + the payload length of the query. Until then (and for an answer without a
// marker, or a line that is no status query) the collectors' own rules alone apply.
#include <cstddef>
#include <cstdint>

#include "link/AnswerFrame.h"

namespace vx {

class AnswerEndRule {
public:
    // payloadLength < 0: no payload is expected.
    explicit AnswerEndRule(int payloadLength) : payloadLength_(payloadLength) {}

    // Every received byte, in order from position 0.
    void See(std::size_t position, std::uint8_t byte) {
        if (payloadEnd_ == 0 && payloadLength_ >= 0 &&
            position < static_cast<std::size_t>(MarkerSearchLimit) && byte == AnswerMarker)
            payloadEnd_ = position + 2 + static_cast<std::size_t>(payloadLength_);
    }

    // True while the byte at position belongs to the marker's payload (or comes before it).
    bool InsidePayload(std::size_t position) const { return position < payloadEnd_; }

private:
    int payloadLength_;
    std::size_t payloadEnd_ = 0;  // 0 while no marker has been seen
};

}  // namespace vx
