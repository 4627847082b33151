#include "LineSplitter.h"

namespace vxsim {

std::vector<ReceivedLine> LineSplitter::Feed(std::string_view bytes) {
    std::vector<ReceivedLine> lines;
    for (char c : bytes) {
        const bool swallow = afterCr_ && c == '\n';
        afterCr_ = c == '\r';
        if (swallow) continue;
        if (c == '\r' || c == '\n') {
            lines.push_back({std::move(partial_), tooLong_});
            partial_.clear();
            tooLong_ = false;
        } else if (partial_.size() < MaxLineLength) {
            partial_ += c;
        } else {
            tooLong_ = true;
        }
    }
    return lines;
}

}  // namespace vxsim
