#include "routerserver/Utf8Text.h"

namespace vx::router {

namespace {

// The length of the valid sequence at the start of s, or 0 when it is not one.
std::size_t SequenceLength(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xbf;
    if (c >= 0xc2 && c <= 0xdf) n = 2;
    else if (c >= 0xe0 && c <= 0xef) {
        n = 3;
        if (c == 0xe0) lo = 0xa0;  // no overlong forms
        if (c == 0xed) hi = 0x9f;  // no surrogates
    } else if (c >= 0xf0 && c <= 0xf4) {
        n = 4;
        if (c == 0xf0) lo = 0x90;
        if (c == 0xf4) hi = 0x8f;  // nothing past U+10FFFF
    } else
        return 0;
    if (s.size() < n) return 0;
    if (b(1) < lo || b(1) > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (b(i) < 0x80 || b(i) > 0xbf) return 0;
    return n;
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t n = SequenceLength(bytes);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
            continue;
        }
        out.append(bytes.substr(0, n));
        bytes.remove_prefix(n);
    }
    return out;
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t k = 0; k < count && at < text.size(); ++k) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xc0) == 0x80) ++at;
    }
    return std::string(text.substr(0, at));
}

}  // namespace vx::router
