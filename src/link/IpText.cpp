#include "link/IpText.h"

#include <algorithm>
#include <cctype>

namespace vx {

namespace {
constexpr int MaxSegmentValue = 99999;
bool IsSpace(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
}  // namespace

std::optional<IpSegments> ParseIpText(std::string_view text) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    IpSegments out{};
    std::size_t pos = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.') return std::nullopt;
            ++pos;
        }
        int value = 0;
        int digits = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            ++digits;
            // Any number of digits reads as its value ("0010" is 10); past the range of
            // an address segment it stops growing, so it can never overflow.
            value = std::min(value * 10 + (text[pos] - '0'), MaxSegmentValue);
            ++pos;
        }
        if (digits == 0) return std::nullopt;
        out[static_cast<std::size_t>(i)] = value;
    }
    if (pos != text.size()) return std::nullopt;
    return out;
}

std::string FormatIpText(const IpSegments& s) {
    return std::to_string(s[0]) + "." + std::to_string(s[1]) + "." + std::to_string(s[2]) + "." +
           std::to_string(s[3]);
}

std::string NotAnIpAddressText(std::string_view text) {
    return "Error! \"" + std::string(text) +
           "\" is not an IP address. Type four numbers separated by dots, such as 192.168.1.10.";
}

IpAddressCheck CheckIpAddress(std::string_view text) {
    IpAddressCheck check;
    const auto segments = ParseIpText(text);
    if (!segments) {
        check.message = NotAnIpAddressText(text);
        return check;
    }
    for (int s : *segments) {
        if (s > 255) {
            check.message = SegmentTooLargeText;
            return check;
        }
    }
    check.segments = segments;
    return check;
}

}  // namespace vx
