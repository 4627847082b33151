#include "protect/ProtectSettings.h"

#include <charconv>
#include <sstream>

#include "settings/PanelSettingsFile.h"

namespace vx {

namespace {

std::set<int> OutputsOf(const std::string& list) {
    std::set<int> outputs;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        int n = 0;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), n);
        if (ec == std::errc() && end == item.data() + item.size() && n >= 1 && n <= MaxOutputs)
            outputs.insert(n - 1);
    }
    return outputs;
}

}  // namespace

bool IsProtectionLine(const std::string& line) {
    return line.rfind(ProtectedOutputsKey, 0) == 0;
}

ProtectionBySwitcher ProtectedOutputsOf(const std::vector<std::string>& lines) {
    ProtectionBySwitcher all;
    const std::size_t keyLength = std::string(ProtectedOutputsKey).size();
    for (const std::string& line : lines) {
        if (!IsProtectionLine(line)) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals == keyLength) continue;
        std::set<int> outputs = OutputsOf(line.substr(equals + 1));
        if (!outputs.empty()) all[line.substr(keyLength, equals - keyLength)] = std::move(outputs);
    }
    return all;
}

std::vector<std::string> ProtectionLines(const ProtectionBySwitcher& all) {
    std::vector<std::string> lines;
    for (const auto& [switcher, outputs] : all) {
        if (outputs.empty()) continue;
        std::string line = ProtectedOutputsKey + switcher + "=";
        bool first = true;
        for (int o : outputs) {
            if (!first) line += ',';
            line += std::to_string(o + 1);
            first = false;
        }
        lines.push_back(line);
    }
    return lines;
}

ProtectionBySwitcher ReadProtectedOutputs(const std::string& path) {
    return ProtectedOutputsOf(ReadPanelSettingsLines(path));
}

bool WriteProtectedOutputs(const std::string& path, const ProtectionBySwitcher& all) {
    return ReplacePanelSettings(path, IsProtectionLine, ProtectionLines(all));
}

}  // namespace vx
