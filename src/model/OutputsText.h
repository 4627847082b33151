#pragma once
// Outputs named in words, as the undo steps and the protection messages say them.
#include <string>
#include <vector>

namespace vx {

// "output 3" or "outputs 3, 4" for 0-based outputs.
std::string OutputsText(const std::vector<int>& outputs);

}  // namespace vx
