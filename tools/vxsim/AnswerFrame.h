#pragma once
// Turns an interpreter outcome into the bytes the switcher sends. A command is
// answered with a short text and CR LF '#'; a status query with a lead-in, the
// marker 0x01, one skipped byte, the payload and CR LF '#'.
#include <set>
#include <string>
#include <string_view>

#include "Interpreter.h"

namespace vxsim {

inline constexpr char Marker = 0x01;
inline constexpr std::string_view AnswerEnd = "\r\n#";
inline constexpr std::string_view Prompt = "#";
inline constexpr int MaxLeadIn = 40;
// The echo of the query line stays short enough that the marker is found.
inline constexpr std::size_t MaxEchoLeadIn = 29;

struct FrameOptions {
    int LeadIn = -1;                 // bytes before the marker; -1: the echo of the query line
    std::set<std::string> NoMarker;  // queries answered without a marker
    bool HashInPayload = false;      // '#' and CR LF '#' inside the payloads
    int LongAnswer = 0;              // filler bytes before the end of every answer
};

std::string FrameAnswer(const Outcome& outcome, std::string_view queryLine, const FrameOptions& options);

}  // namespace vxsim
