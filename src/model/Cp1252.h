#pragma once
// Names are stored one byte a character in the Windows-1252 code page, the 8-bit
// character set of the switcher's other panels, so their files read back with the same
// names. The window works in UTF-8.
#include <string>
#include <string_view>

namespace vx {

// One byte per character; a character the code page cannot hold (and a zero character,
// which would end the name early) becomes '?'. Malformed UTF-8 yields '?' per bad byte.
std::string Utf8ToCp1252(std::string_view utf8);

// Every byte becomes its character; the five bytes the code page leaves undefined
// become the control characters of the same value, so nothing is lost.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace vx
