#include "model/Cp1252.h"

#include <array>
#include <cstdint>

namespace vx {

namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1. The
// undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control character of
// their own value.
constexpr std::array<char32_t, 32> HighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharOfByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return HighBlock[b - 0x80];
    return b;
}

// The byte of a character, or '?' when the code page has none.
char ByteOfChar(char32_t c) {
    if (c == 0) return '?';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < HighBlock.size(); ++i)
        if (HighBlock[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

constexpr char32_t Invalid = 0xFFFFFFFF;

// Decodes one character at pos and moves pos past it; Invalid for a malformed sequence
// (pos then moves by one byte).
char32_t NextChar(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra;
    char32_t c;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        extra = 2, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3, c = lead & 0x07;
    } else {
        ++pos;
        return Invalid;
    }
    for (int k = 1; k <= extra; ++k) {
        if (pos + static_cast<std::size_t>(k) >= s.size()) {
            ++pos;
            return Invalid;
        }
        const auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return Invalid;
        }
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are malformed.
    static constexpr char32_t Least[] = {0, 0x80, 0x800, 0x10000};
    if (c < Least[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        ++pos;
        return Invalid;
    }
    pos += static_cast<std::size_t>(extra) + 1;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = NextChar(utf8, pos);
        out.push_back(c == Invalid ? '?' : ByteOfChar(c));
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    for (char b : bytes) AppendUtf8(out, CharOfByte(static_cast<unsigned char>(b)));
    return out;
}

}  // namespace vx
