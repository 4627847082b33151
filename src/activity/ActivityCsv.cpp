#include "activity/ActivityCsv.h"

#include "activity/ActivityText.h"

namespace vx {
namespace {

std::string Cell(const std::string& s) {
    bool quote = false;
    for (char ch : s)
        if (ch == ',' || ch == '"' || ch == '\n' || ch == '\r') quote = true;
    // A leading = + - @ would make a spreadsheet run the cell as a formula.
    const bool formula = !s.empty() && (s[0] == '=' || s[0] == '+' || s[0] == '-' || s[0] == '@');
    std::string body = formula ? "'" + s : s;
    if (!quote) return body;
    std::string out = "\"";
    for (char ch : body) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + "\"";
}

}  // namespace

std::string ActivityCsv(const std::vector<ActivityRecord>& records) {
    std::string out = "time,user,link,kind,text,outcome,fields\r\n";
    for (const auto& r : records) {
        std::string fields;
        for (const auto& [key, value] : r.Fields) {
            if (!fields.empty()) fields += "; ";
            fields += key + "=" + value;
        }
        out += Cell(StampText(r.When)) + "," + Cell(r.User) + "," + Cell(r.Link) + "," + Cell(r.Kind) + "," +
               Cell(r.Text) + "," + Cell(r.Outcome) + "," + Cell(fields) + "\r\n";
    }
    return out;
}

}  // namespace vx
