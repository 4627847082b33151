#include "TerminalText.h"

#include <cstdio>

namespace vxctl {

std::string TerminalSafe(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        char esc[8];
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(esc, sizeof esc, "\\x%02x", c);
            out += esc;
        } else if (c == 0xC2 && k + 1 < text.size() && static_cast<unsigned char>(text[k + 1]) < 0xA0 &&
                   static_cast<unsigned char>(text[k + 1]) >= 0x80) {
            // A C1 control in UTF-8 (U+0080..U+009F; U+009B starts a sequence on many terminals).
            std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned char>(text[++k]));
            out += esc;
        } else {
            out.push_back(text[k]);
        }
    }
    return out;
}

std::string Quoted(std::string_view argument) {
    if (argument.size() <= ShownArgumentBytes) return "'" + TerminalSafe(argument) + "'";
    // Cut between characters, not inside one.
    std::size_t cut = ShownArgumentBytes;
    while (cut > 0 && (static_cast<unsigned char>(argument[cut]) & 0xC0) == 0x80) --cut;
    return "'" + TerminalSafe(argument.substr(0, cut)) + "...' (" + std::to_string(argument.size()) +
           " bytes)";
}

}  // namespace vxctl
