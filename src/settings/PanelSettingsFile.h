#pragma once
// The panel's own settings file beside IPSave.ini: one "key=value" per line. Lines the
// panel does not know are kept as they are when it writes the file again, so a later
// panel's settings survive an older one. A file that cannot be read is never taken for an
// empty one: nothing is written over it until it can be read again.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/TextFileStore.h"
#include "settings/FollowSettings.h"

namespace vx {

inline constexpr const char* PanelSettingsFileName = "VXPanel.ini";

inline constexpr const char* FollowKey = "FollowSwitcher";
inline constexpr const char* FollowIntervalKey = "FollowIntervalSeconds";

// The file's lines, and whether it was there and could be read.
struct PanelSettingsLines {
    TextFileStore::ReadState State = TextFileStore::ReadState::Missing;
    std::vector<std::string> Lines;
    std::string Error;
};
PanelSettingsLines ReadPanelSettings(TextFileStore& store, const std::string& path);

enum class SettingsWrite { Written, Unreadable, Failed };
// Drops the lines that replaced() picks, keeps every other line and adds lines at the end;
// the old file stays whole until the new one is completely written. A file that cannot be
// read is left as it is (Unreadable): rewriting it would drop the lines it holds.
SettingsWrite ReplacePanelSettings(TextFileStore& store, const std::string& path,
                                   const std::function<bool(const std::string&)>& replaced,
                                   const std::vector<std::string>& lines);

// Follow's settings among the lines; defaults for what is missing or not a number in range
// (an interval out of range is brought into it).
FollowSettings FollowSettingsOf(const std::vector<std::string>& lines);
bool IsFollowLine(const std::string& line);
std::vector<std::string> FollowLines(const FollowSettings& settings);

// The same through the standard library's files, by path. No file gives the defaults.
FollowSettings ReadFollowSettings(const std::string& path);
bool WriteFollowSettings(const std::string& path, const FollowSettings& settings);
std::vector<std::string> ReadPanelSettingsLines(const std::string& path);
bool ReplacePanelSettings(const std::string& path, const std::function<bool(const std::string&)>& replaced,
                          const std::vector<std::string>& lines);

}  // namespace vx
