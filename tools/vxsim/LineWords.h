#pragma once
// Splits a received line into its keyword and argument words.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vxsim {

struct LineWords {
    std::string Keyword;  // upper case, so a person may type in either case
    std::vector<std::string> Args;
};

// Words are separated by spaces or tabs; leading and trailing blanks are ignored.
LineWords SplitWords(std::string_view line);

// A decimal integer with an optional sign; nullopt for anything else or overflow.
std::optional<long> ParseNumber(std::string_view word);

}  // namespace vxsim
