#include "LineWords.h"

#include <cctype>
#include <charconv>

namespace vxsim {

LineWords SplitWords(std::string_view line) {
    LineWords out;
    std::size_t pos = 0;
    bool first = true;
    while (pos < line.size()) {
        while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
        if (pos == start) break;
        std::string word(line.substr(start, pos - start));
        if (first) {
            for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            out.Keyword = std::move(word);
            first = false;
        } else {
            out.Args.push_back(std::move(word));
        }
    }
    return out;
}

std::optional<long> ParseNumber(std::string_view word) {
    const bool plus = !word.empty() && word.front() == '+';
    if (plus) word.remove_prefix(1);
    if (word.empty() || (plus && word.front() == '-')) return std::nullopt;
    long value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size()) return std::nullopt;
    return value;
}

}  // namespace vxsim
