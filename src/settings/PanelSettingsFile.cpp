#include "settings/PanelSettingsFile.h"

#include <charconv>
#include <sstream>

#include "files/StdTextFileStore.h"

namespace vx {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
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

PanelSettingsLines ReadPanelSettings(TextFileStore& store, const std::string& path) {
    TextFileStore::ReadResult r = store.Read(path);
    PanelSettingsLines out;
    out.State = r.State;
    out.Error = std::move(r.Error);
    if (r.State == TextFileStore::ReadState::Read) out.Lines = SplitLines(r.Text);
    return out;
}

SettingsWrite ReplacePanelSettings(TextFileStore& store, const std::string& path,
                                   const std::function<bool(const std::string&)>& replaced,
                                   const std::vector<std::string>& lines) {
    const PanelSettingsLines now = ReadPanelSettings(store, path);
    if (now.State == TextFileStore::ReadState::Failed) return SettingsWrite::Unreadable;
    std::string text;
    for (const std::string& line : now.Lines)
        if (!replaced(line)) text += line + '\n';
    for (const std::string& line : lines) text += line + '\n';
    return store.Replace(path, text) ? SettingsWrite::Written : SettingsWrite::Failed;
}

FollowSettings FollowSettingsOf(const std::vector<std::string>& lines) {
    FollowSettings s;
    for (const std::string& line : lines) {
        if (auto v = ValueOf(line, FollowKey)) {
            if (auto n = NumberOf(*v); n && (*n == 0 || *n == 1)) s.On = *n == 1;
        } else if (auto w = ValueOf(line, FollowIntervalKey)) {
            if (auto n = NumberOf(*w)) s.IntervalSeconds = ClampFollowSeconds(*n);
        }
    }
    return s;
}

bool IsFollowLine(const std::string& line) {
    return ValueOf(line, FollowKey).has_value() || ValueOf(line, FollowIntervalKey).has_value();
}

std::vector<std::string> FollowLines(const FollowSettings& settings) {
    return {
        std::string(FollowKey) + '=' + (settings.On ? "1" : "0"),
        std::string(FollowIntervalKey) + '=' + std::to_string(ClampFollowSeconds(settings.IntervalSeconds))};
}

FollowSettings ReadFollowSettings(const std::string& path) {
    return FollowSettingsOf(ReadPanelSettingsLines(path));
}

bool WriteFollowSettings(const std::string& path, const FollowSettings& settings) {
    return ReplacePanelSettings(path, IsFollowLine, FollowLines(settings));
}

std::vector<std::string> ReadPanelSettingsLines(const std::string& path) {
    return ReadPanelSettings(DefaultTextFileStore(), path).Lines;
}

bool ReplacePanelSettings(const std::string& path, const std::function<bool(const std::string&)>& replaced,
                          const std::vector<std::string>& lines) {
    return ReplacePanelSettings(DefaultTextFileStore(), path, replaced, lines) == SettingsWrite::Written;
}

}  // namespace vx
