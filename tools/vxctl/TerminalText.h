#pragma once
// Text from outside (names from a configuration file, the arguments echoed in messages)
// made safe for a terminal: no byte of it can move the cursor, start an escape sequence
// or begin a line of its own, so it cannot forge or recolour what vxctl prints.
#include <string>
#include <string_view>

namespace vxctl {

// Control characters (C0, DEL and C1) shown escaped: \r, \n, \t, else \xNN or \u00NN.
std::string TerminalSafe(std::string_view text);

// An argument as a message echoes it: in quotes, safe, and cut after ShownArgumentBytes
// with the full length said.
inline constexpr std::size_t ShownArgumentBytes = 80;
std::string Quoted(std::string_view argument);

}  // namespace vxctl
