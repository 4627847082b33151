#pragma once
// IPSave.ini: the last IP address text the operator used, kept in the working directory.
// Its content is the text exactly as typed, then one NUL byte; nothing else.
#include <cstddef>
#include <optional>
#include <string>

namespace vx {

inline constexpr const char* IpSaveFileName = "IPSave.ini";
// The reader takes the first word, at most this many characters; a longer word is cut.
inline constexpr std::size_t IpSaveWordMax = 19;

// Writes length bytes of text, replacing the file; false when it cannot be created.
bool WriteIpSaveFile(const std::string& path, const char* text, std::size_t length);
// The first word of the file (up to white space or NUL, at most IpSaveWordMax
// characters), empty when it holds none; nothing when the file cannot be opened.
std::optional<std::string> ReadIpSaveFile(const std::string& path);

}  // namespace vx
