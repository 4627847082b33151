#pragma once
// Protected outputs in the panel's settings file, one line per switcher:
//
//     ProtectedOutputs.192.168.1.35=3,5
//
// (outputs numbered from 1). Neither IPSave.ini nor the configuration file holds them.
#include <string>
#include <vector>

#include "protect/ProtectedOutputs.h"

namespace vx {

inline constexpr const char* ProtectedOutputsKey = "ProtectedOutputs.";

// What the lines hold; numbers that are not outputs are left out.
ProtectionBySwitcher ProtectedOutputsOf(const std::vector<std::string>& lines);
bool IsProtectionLine(const std::string& line);
std::vector<std::string> ProtectionLines(const ProtectionBySwitcher& all);

// The same in a file by path, through the standard library's files.
ProtectionBySwitcher ReadProtectedOutputs(const std::string& path);
// Replaces the protection lines and keeps every other line. False when it could not be
// written.
bool WriteProtectedOutputs(const std::string& path, const ProtectionBySwitcher& all);

}  // namespace vx
