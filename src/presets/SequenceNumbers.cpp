#include "presets/SequenceNumbers.h"

#include <charconv>

namespace vx {

std::optional<long long> ParseRowNumber(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') {
        ++begin;
        if (begin == end || *begin == '-') return std::nullopt;
    }
    long long value = 0;
    const auto [at, error] = std::from_chars(begin, end, value);
    // Too large to hold is still a number: it is out of every limit.
    if (error == std::errc::result_out_of_range && at == end) return *begin == '-' ? -1 : 1LL << 62;
    if (error != std::errc() || at != end) return std::nullopt;
    return value;
}

std::string NotAValidPresetText(const std::string& text) {
    return "Error! '" + text + "' is not a valid Preset number.";
}

std::string PresetOutOfLimitsText() {
    return "Error! Preset number out of limits (" + std::to_string(SequencePresetMin) + "-" +
           std::to_string(SequencePresetMax) + ")";
}

std::string NotAValidDelayText(const std::string& text) {
    return "Error! '" + text + "' is not a valid Delay number.";
}

std::string DelayOutOfLimitsText() {
    return "Error! Delay number out of limits (" + std::to_string(SequenceDelayMin) + "-" +
           std::to_string(SequenceDelayMax) + ")";
}

std::string PresetEmptyText(const std::string& text) {
    return "Error! Preset #'" + text + "' is currently empty. Select a different Preset number";
}

}  // namespace vx
