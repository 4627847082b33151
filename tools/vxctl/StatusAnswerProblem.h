#pragma once
// Why a status answer that came could not be taken apart: the panel looks for its marker
// only among the first bytes, and a switcher that sends a longer lead-in, or none at all,
// has answered all the same. Told apart from a switcher that did not answer.
#include <cstdint>
#include <span>
#include <string>

namespace vxctl {

// The problem in words ("its marker (0x01) is at byte 41, beyond the first 30"), or empty
// when nothing came or the answer holds its whole payload where the panel looks for it.
std::string StatusAnswerProblem(std::span<const std::uint8_t> received, int payloadLength);

}  // namespace vxctl
