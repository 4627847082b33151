#pragma once
// The numbers typed into the sequence rows, as the operator's messages speak of them.
#include <optional>
#include <string>

namespace vx {

inline constexpr int SequencePresetMin = 1;
inline constexpr int SequencePresetMax = 8;
inline constexpr int SequenceDelayMin = 3;
inline constexpr int SequenceDelayMax = 9999;

// The integer a row's text stands for: decimal digits with an optional sign, spaces around
// allowed; nothing when the text is not an integer (an empty text is not one either).
std::optional<long long> ParseRowNumber(const std::string& text);

std::string NotAValidPresetText(const std::string& text);
std::string PresetOutOfLimitsText();
std::string NotAValidDelayText(const std::string& text);
std::string DelayOutOfLimitsText();
std::string PresetEmptyText(const std::string& text);
inline constexpr const char* NoSequenceEnabledText = "Error! No Preset Sequence enabled.";

}  // namespace vx
