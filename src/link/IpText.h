#pragma once
// The IP address as the operator types it: four decimal numbers separated by dots.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

using IpSegments = std::array<int, 4>;

// Four decimal numbers separated by three dots, with white space allowed only around the
// whole text; anything else (empty segments, letters, signs, missing or extra dots) gives
// nothing. Leading zeros are fine: 192.168.001.010 is 192, 168, 1, 10, and 10.0.0.0010 is
// 10.0.0.10. The segments are not range-checked here (a value past 99999 reads as 99999).
std::optional<IpSegments> ParseIpText(std::string_view text);

// "a.b.c.d" in plain decimal.
std::string FormatIpText(const IpSegments& s);

// The check of an address that is to be given to the switcher: well formed and every
// segment at most 255. On refusal, message holds the text to show the operator.
struct IpAddressCheck {
    std::optional<IpSegments> segments;
    std::string message;
};
IpAddressCheck CheckIpAddress(std::string_view text);

std::string NotAnIpAddressText(std::string_view text);
inline constexpr const char* SegmentTooLargeText = "IP Address segments cannot be > 255";

}  // namespace vx
