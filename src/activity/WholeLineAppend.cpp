#include "activity/WholeLineAppend.h"

#include <algorithm>
#include <string_view>

namespace vx {

std::size_t AppendWholeLines(LogFolder& folder, const std::string& name,
                             const std::vector<std::string>& lines) {
    if (lines.empty()) return 0;
    const auto end = folder.EndOf(name);
    if (!end) return 0;
    std::string text;
    // A line left unfinished is ended first, so that the first new line is one of its own.
    if (end->Size > 0 && !end->EndsLine) text += '\n';
    const std::size_t lead = text.size();
    std::vector<std::size_t> lineEnds;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
        lineEnds.push_back(text.size());
    }
    // Each write takes at least one byte or ends the loop, so it ends.
    std::size_t done = 0;
    while (done < text.size()) {
        const std::int64_t n = folder.Append(name, std::string_view(text).substr(done));
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    if (done >= text.size()) return lines.size();
    std::size_t whole = 0;
    while (whole < lineEnds.size() && lineEnds[whole] <= done) ++whole;
    const std::size_t keep = whole > 0 ? lineEnds[whole - 1] : std::min(done, lead);
    // The piece of a line cut short is taken back. Should that fail too, the next append
    // finds the file ending inside a line and starts a line of its own.
    if (done > keep) folder.Truncate(name, end->Size + keep);
    return whole;
}

}  // namespace vx
