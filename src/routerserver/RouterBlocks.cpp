#include "routerserver/RouterBlocks.h"

namespace vx::router {

bool BlockParser::Feed(std::string_view bytes, std::vector<Block>& out) {
    if (fault_ != StreamFault::None) return false;
    for (const char c : bytes) {
        if (c == '\n') {
            // A client may end its lines with CR LF.
            if (!line_.empty() && line_.back() == '\r') line_.pop_back();
            EndLine(out);
            if (fault_ != StreamFault::None) return false;
            continue;
        }
        // The CR of a CR LF may stand one byte past the limit.
        if (line_.size() >= MaxLineBytes && !(line_.size() == MaxLineBytes && c == '\r')) {
            fault_ = StreamFault::LineTooLong;
            return false;
        }
        line_.push_back(c);
    }
    return true;
}

void BlockParser::EndLine(std::vector<Block>& out) {
    std::string line;
    line.swap(line_);
    if (line.empty()) {
        // Empty lines between blocks are nothing; inside one, the end of it.
        if (inBlock_) {
            out.push_back(std::move(block_));
            block_ = {};
            inBlock_ = false;
            lines_ = 0;
        }
        return;
    }
    if (++lines_ > MaxBlockLines) {
        fault_ = StreamFault::BlockTooLong;
        return;
    }
    if (!inBlock_) {
        inBlock_ = true;
        block_.Header = std::move(line);
    } else {
        block_.Lines.push_back(std::move(line));
    }
}

std::string WriteBlock(std::string_view header, const std::vector<std::string>& items) {
    std::string text(header);
    text += '\n';
    for (const auto& item : items) {
        text += item;
        text += '\n';
    }
    text += '\n';
    return text;
}

}  // namespace vx::router
