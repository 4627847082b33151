#pragma once
// The panel's own settings file beside IPSave.ini: one "key=value" per line. Lines the
// panel does not know are kept as they are when it writes the file again, so a later
// panel's settings survive an older one.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/FollowSettings.h"

namespace vx {

inline constexpr const char* PanelSettingsFileName = "VXPanel.ini";

inline constexpr const char* FollowKey = "FollowSwitcher";
inline constexpr const char* FollowIntervalKey = "FollowIntervalSeconds";

// The settings in the file; defaults for what is missing or not a number in range (an
// interval out of range is brought into it). No file gives the defaults.
FollowSettings ReadFollowSettings(const std::string& path);
// Replaces the follow lines and keeps every other line; the old file stays whole until
// the new one is completely written. False when it could not be written.
bool WriteFollowSettings(const std::string& path, const FollowSettings& settings);

// Every line of the file (none when there is no file), for the panel's other settings.
std::vector<std::string> ReadPanelSettingsLines(const std::string& path);
// Drops the lines that replaced() picks, keeps every other line and adds lines at the end;
// the old file stays whole until the new one is completely written. False when it could
// not be written.
bool ReplacePanelSettings(const std::string& path, const std::function<bool(const std::string&)>& replaced,
                          const std::vector<std::string>& lines);

}  // namespace vx
