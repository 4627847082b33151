#pragma once
// Text from a client as the panel can keep it: bytes that are not UTF-8 become U+FFFD, and
// a name is cut to a number of characters, never inside one.
#include <cstddef>
#include <string>
#include <string_view>

namespace vx::router {

std::string ValidUtf8(std::string_view bytes);
// The first count characters of valid UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace vx::router
