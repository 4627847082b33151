#pragma once
// The log keeps 90 days: at start-up the day files older than that are removed. Only
// names of the log's own form (YYYY-MM-DD.jsonl) are ever touched.
#include <string>
#include <vector>

#include "activity/ActivityPorts.h"

namespace vx {

inline constexpr int LogKeptDays = 90;

// The day files among names whose day lies more than days before today.
std::vector<std::string> ExpiredLogFiles(const std::vector<std::string>& names, const LocalTime& today,
                                         int days = LogKeptDays);
// Removes them; returns how many could not be removed.
int RemoveExpiredLogFiles(LogFolder& folder, const LocalTime& today, int days = LogKeptDays);

}  // namespace vx
