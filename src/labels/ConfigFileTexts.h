#pragma once
// The configuration file's messages and dialog titles.
namespace vx {

inline constexpr const char* ConfigCreateError =
    "Error! Unable to create Configuration file. Check if disk is write-protected";
inline constexpr const char* ConfigOpenError =
    "Error! Unable to open Configuration file. Check if file exist?";
inline constexpr const char* ConfigSizeError = "Error! File corrupted. File size invalid.";
inline constexpr const char* ConfigLoadedText =
    "File open successful. Vextaro Command updated with settings from file.";
inline constexpr const char* ConfigNamesLoadedText =
    "File open successful. Vextaro Command updated with the names from file; follow mode is on, so the "
    "routes and groups shown stay those the switcher holds.";
inline constexpr const char* SaveConfigTitle = "Save Configuration to File";
inline constexpr const char* OpenConfigTitle = "Open Configuration File";

}  // namespace vx
