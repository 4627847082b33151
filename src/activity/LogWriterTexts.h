#pragma once
// What the status line says about writing the activity log.
#include <cstddef>
#include <string>

namespace vx {

std::string LogCannotBeWrittenText(const std::string& folder);
std::string LogDroppingText(const std::string& folder);
std::string LogWrittenAgainText(const std::string& folder, std::size_t dropped);

}  // namespace vx
