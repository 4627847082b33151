#pragma once
// The router protocol's framing: a header line ending in a colon, item lines, and an empty
// line that ends the block. The parser is bounded, since it reads whatever a network client
// sends: a line longer than MaxLineBytes or a block of more than MaxBlockLines lines breaks
// the stream, and nothing after it is read.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx::router {

inline constexpr std::size_t MaxLineBytes = 1024;
inline constexpr std::size_t MaxBlockLines = 1000;

struct Block {
    std::string Header;              // as sent, colon included
    std::vector<std::string> Lines;  // the items, without their line ends
    bool operator==(const Block&) const = default;
};

enum class StreamFault { None, LineTooLong, BlockTooLong };

class BlockParser {
public:
    // Appends every block the bytes complete to out. False once a limit was broken: the
    // fault says which, and later bytes are not read.
    bool Feed(std::string_view bytes, std::vector<Block>& out);
    StreamFault Fault() const { return fault_; }

private:
    void EndLine(std::vector<Block>& out);

    std::string line_;
    Block block_;
    bool inBlock_ = false;
    std::size_t lines_ = 0;
    StreamFault fault_ = StreamFault::None;
};

// A block as it goes out: LF after every line and an empty line at the end.
std::string WriteBlock(std::string_view header, const std::vector<std::string>& items = {});

inline constexpr const char* AckText = "ACK\n\n";
inline constexpr const char* NakText = "NAK\n\n";

}  // namespace vx::router
