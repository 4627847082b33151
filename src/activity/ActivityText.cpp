#include "activity/ActivityText.h"

#include <cstdio>

namespace vx {

std::string DayText(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", t.Year, t.Month, t.Day);
    return buf;
}

std::string ClockText(const LocalTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", t.Hour, t.Minute, t.Second, t.Millisecond);
    return buf;
}

std::string StampText(const LocalTime& t) {
    return DayText(t) + "T" + ClockText(t);
}

std::string LogFileName(const LocalTime& t) {
    return DayText(t) + ".jsonl";
}

std::string RecordWords(const ActivityRecord& r) {
    std::string s = ClockText(r.When) + "  " + r.Kind;
    if (!r.Text.empty()) s += "  " + r.Text;
    if (!r.Outcome.empty()) s += "  " + r.Outcome;
    return s;
}

std::string JsonQuoted(const std::string& s) {
    std::string out = "\"";
    for (unsigned char ch : s) {
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (ch < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", ch);
                    out += buf;
                } else {
                    out += static_cast<char>(ch);
                }
        }
    }
    return out + "\"";
}

std::string RecordJson(const ActivityRecord& r) {
    std::string s = "{\"time\":" + JsonQuoted(StampText(r.When)) + ",\"user\":" + JsonQuoted(r.User) +
                    ",\"link\":" + JsonQuoted(r.Link) + ",\"kind\":" + JsonQuoted(r.Kind) +
                    ",\"text\":" + JsonQuoted(r.Text) + ",\"outcome\":" + JsonQuoted(r.Outcome) +
                    ",\"fields\":{";
    bool first = true;
    for (const auto& [key, value] : r.Fields) {
        if (!first) s += ",";
        first = false;
        s += JsonQuoted(key) + ":" + JsonQuoted(value);
    }
    return s + "}}";
}

}  // namespace vx
