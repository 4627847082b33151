#include "activity/LogWriterTexts.h"

namespace vx {

std::string LogCannotBeWrittenText(const std::string& folder) {
    return "The activity log cannot be written in " + folder +
           " (disk full or write-protected); the panel goes on.";
}

std::string LogDroppingText(const std::string& folder) {
    return "The activity log still cannot be written in " + folder +
           " and memory is full: routine status records are dropped first; the next record written says how "
           "many.";
}

std::string LogWrittenAgainText(const std::string& folder, std::size_t dropped) {
    std::string text = "The activity log is written again in " + folder + ".";
    if (dropped > 0)
        text += " " + std::to_string(dropped) + " records were dropped while it could not be written.";
    return text;
}

}  // namespace vx
