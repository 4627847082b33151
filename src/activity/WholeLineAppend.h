#pragma once
// Lines appended to a file so that, whatever the disk does, each line in it is whole and
// there once: a file that ends inside a line (a crash, a power cut) gets a newline before
// the first new line, a write the disk cut short is completed, and what cannot be
// completed is cut back to the last whole line, so that the lines not written can be
// written again later without doubling any.
#include <cstddef>
#include <string>
#include <vector>

#include "activity/ActivityPorts.h"

namespace vx {

// Appends each line with its newline; returns how many of the lines, from the first, are
// now in the file whole (all of them unless the disk failed).
std::size_t AppendWholeLines(LogFolder& folder, const std::string& name,
                             const std::vector<std::string>& lines);

}  // namespace vx
