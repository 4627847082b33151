#pragma once
// The frame of a status answer, as the link collects it and the status reads take it apart:
// a lead-in without 0x01, the marker 0x01 somewhere in positions 0 to 29, one skipped byte,
// then the payload; whatever follows is trailer.
#include <cstdint>
#include <optional>
#include <span>

namespace vx {

inline constexpr std::uint8_t AnswerMarker = 0x01;
// The marker is searched for in positions 0 .. MarkerSearchLimit - 1 only.
inline constexpr int MarkerSearchLimit = 30;

// Position of the payload of payloadLength bytes inside the bytes that arrived, or
// nothing when there is no marker among the first 30 of them or the payload would
// reach past the last of them.
std::optional<int> LocatePayload(std::span<const std::uint8_t> received, int payloadLength);

}  // namespace vx
