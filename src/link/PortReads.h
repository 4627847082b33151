#pragma once
// Small steps on the ports that several exchanges share: the serial output room check
// and the two ways of reading stale bytes off the TCP connection.
#include <string_view>

#include "link/Ports.h"

namespace vx {

// True when the serial port's output buffer has room for text; a line that does not
// fit is never written in part.
bool SerialOutputHasRoom(const SerialPortService& port, std::string_view text);

// Reads away what has already arrived on the connection and drops it; never waits.
// Bounded like an answer: a peer that never stops sending cannot hold the panel here.
void DiscardTcpInput(TcpClientService& tcp);

// Reads and drops bytes until a read that holds the prompt, so the rest of an answer
// cannot pass for the next one. Bounded like an answer, and by limitMs in all, so a
// peer that trickles bytes without a prompt cannot hold the window; a read that brings
// nothing ends it.
void DiscardTcpThroughPrompt(TcpClientService& tcp, Clock& time, char prompt, int limitMs);

}  // namespace vx
