#pragma once
// Cuts a link's byte stream into lines. CR, LF and CR LF all end a line, so the
// panel (CR) and a person at a terminal client (CR LF or LF) are understood alike.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vxsim {

// Longer than any line the panel sends; anything longer is refused, not stored.
inline constexpr std::size_t MaxLineLength = 256;

struct ReceivedLine {
    std::string Text;  // without its line end; only the first MaxLineLength bytes when TooLong
    bool TooLong = false;
};

class LineSplitter {
public:
    // Appends the bytes and returns every line they complete, in order.
    std::vector<ReceivedLine> Feed(std::string_view bytes);

private:
    std::string partial_;
    bool tooLong_ = false;
    bool afterCr_ = false;  // an LF right after a CR belongs to the same line end
};

}  // namespace vxsim
