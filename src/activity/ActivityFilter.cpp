#include "activity/ActivityFilter.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "activity/ActivityText.h"

namespace vx {
namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return s;
}

}  // namespace

bool MatchesFilter(const ActivityRecord& r, const std::string& filter) {
    std::string haystack = RecordWords(r) + "\n" + r.User + "\n" + r.Link;
    for (const auto& [key, value] : r.Fields) haystack += "\n" + key + "=" + value;
    haystack = Lower(haystack);
    std::istringstream words(Lower(filter));
    std::string word;
    while (words >> word)
        if (haystack.find(word) == std::string::npos) return false;
    return true;
}

}  // namespace vx
