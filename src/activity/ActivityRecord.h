#pragma once
// One entry of the activity log: when, who, over which link, and what happened, in words
// (kind, text, outcome) and in fields for a program that reads the log.
#include <string>
#include <utility>
#include <vector>

namespace vx {

// The local time of the machine, to the millisecond.
struct LocalTime {
    int Year = 1970, Month = 1, Day = 1;
    int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

using ActivityFields = std::vector<std::pair<std::string, std::string>>;

struct ActivityRecord {
    LocalTime When;
    std::string User;     // the operating-system user at the keyboard
    std::string Link;     // "COM1", "TCP" or "none"
    std::string Kind;     // "Take", "Line", "Status", "Link", "File", ...
    std::string Text;     // what happened, e.g. "Output 3: input 5 to 7"
    std::string Outcome;  // "answered", "no answer", "not sent", ... or empty
    ActivityFields Fields;
};

}  // namespace vx
