#include "settings/PanelSettingsFile.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace vx {

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The value of "key=value", or nothing when the line holds another key.
std::optional<std::string> ValueOf(const std::string& line, const char* key) {
    const std::string prefix = std::string(key) + "=";
    if (line.rfind(prefix, 0) != 0) return std::nullopt;
    return line.substr(prefix.size());
}

std::optional<int> NumberOf(const std::string& text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

}  // namespace

FollowSettings ReadFollowSettings(const std::string& path) {
    FollowSettings s;
    for (const std::string& line : ReadLines(path)) {
        if (auto v = ValueOf(line, FollowKey)) {
            if (auto n = NumberOf(*v); n && (*n == 0 || *n == 1)) s.On = *n == 1;
        } else if (auto w = ValueOf(line, FollowIntervalKey)) {
            if (auto n = NumberOf(*w)) s.IntervalSeconds = ClampFollowSeconds(*n);
        }
    }
    return s;
}

bool WriteFollowSettings(const std::string& path, const FollowSettings& settings) {
    const auto follow = [](const std::string& line) {
        return ValueOf(line, FollowKey).has_value() || ValueOf(line, FollowIntervalKey).has_value();
    };
    return ReplacePanelSettings(path, follow,
                                {std::string(FollowKey) + '=' + (settings.On ? "1" : "0"),
                                 std::string(FollowIntervalKey) + '=' +
                                     std::to_string(ClampFollowSeconds(settings.IntervalSeconds))});
}

std::vector<std::string> ReadPanelSettingsLines(const std::string& path) {
    return ReadLines(path);
}

bool ReplacePanelSettings(const std::string& path, const std::function<bool(const std::string&)>& replaced,
                          const std::vector<std::string>& lines) {
    std::ostringstream text;
    for (const std::string& line : ReadLines(path))
        if (!replaced(line)) text << line << '\n';
    for (const std::string& line : lines) text << line << '\n';

    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << text.str();
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace vx
