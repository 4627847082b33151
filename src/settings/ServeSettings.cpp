#include "settings/ServeSettings.h"

#include <charconv>

namespace vx {

namespace {

constexpr const char* OnKey = "ServeRouterClients";
constexpr const char* AddressKey = "ServeAddress";
constexpr const char* PortKey = "ServePort";
constexpr const char* AllowedKey = "ServeAllowedClients";
constexpr const char* LabelsKey = "ServeClientsMayChangeLabels";
constexpr const char* ReadOnlyKey = "ServeReadOnly";
const char* const Keys[] = {OnKey, AddressKey, PortKey, AllowedKey, LabelsKey, ReadOnlyKey};

std::optional<int> PortOf(const std::string& text) {
    int port = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (ec != std::errc() || text.empty() || end != text.data() + text.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

}  // namespace

bool IsServeLine(const std::string& line) {
    for (const char* key : Keys)
        if (line.rfind(std::string(key) + "=", 0) == 0) return true;
    return false;
}

ServeSettings ServeSettingsOf(const std::vector<std::string>& lines) {
    ServeSettings s;
    for (const auto& line : lines) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == OnKey) s.On = value == "1";
        else if (key == AddressKey && !value.empty()) s.Address = value;
        else if (key == PortKey) s.Port = PortOf(value).value_or(DefaultServePort);
        else if (key == AllowedKey) s.Allowed = value;
        else if (key == LabelsKey) s.LabelsAllowed = value == "1";
        else if (key == ReadOnlyKey) s.ReadOnly = value == "1";
    }
    return s;
}

std::vector<std::string> ServeLines(const ServeSettings& s) {
    return {std::string(OnKey) + "=" + (s.On ? "1" : "0"), std::string(AddressKey) + "=" + s.Address,
            std::string(PortKey) + "=" + std::to_string(s.Port), std::string(AllowedKey) + "=" + s.Allowed,
            std::string(LabelsKey) + "=" + (s.LabelsAllowed ? "1" : "0"),
            std::string(ReadOnlyKey) + "=" + (s.ReadOnly ? "1" : "0")};
}

ServeOption ParseServeOption(const std::string& text, bool anyPort) {
    ServeOption o;
    // The port follows the last colon; an IPv6 address is written in brackets.
    const auto colon = text.rfind(':');
    std::string port = text;
    if (colon != std::string::npos) {
        std::string address = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (address.size() >= 2 && address.front() == '[' && address.back() == ']')
            address = address.substr(1, address.size() - 2);
        if (address.empty()) {
            o.Error = "--serve expects [ADDRESS:]PORT, such as 9990 or 0.0.0.0:9990";
            return o;
        }
        o.Address = address;
    }
    const auto p = anyPort && port == "0" ? std::optional<int>(0) : PortOf(port);
    if (!p) {
        o.Error = "--serve expects a port from 1 to 65535, such as 9990 or 0.0.0.0:9990";
        return o;
    }
    o.Port = *p;
    return o;
}

}  // namespace vx
