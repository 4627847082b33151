#pragma once
// The log keeps 90 days: at start-up the day files older than that are removed. Only
// names of the log's own form (YYYY-MM-DD.jsonl) are ever touched. The days are counted
// back from the newest day file, never past the clock, so a clock set ahead removes
// nothing it should not: the newest day and every day after the clock stay, and when the
// clock stands more than two days past the newest day file nothing is removed at all.
#include <string>
#include <vector>

#include "activity/ActivityPorts.h"

namespace vx {

inline constexpr int LogKeptDays = 90;
inline constexpr int LogClockLeadDays = 2;

struct LogRetentionPlan {
    std::vector<std::string> Expired;  // the day files to remove
    bool ClockAhead = false;           // nothing removed: the clock is past the newest day file
    std::string NewestDay;             // "2026-12-11", or empty without day files
};

LogRetentionPlan PlanLogRetention(const std::vector<std::string>& names, const LocalTime& today,
                                  int days = LogKeptDays);
// The expired day files among names.
std::vector<std::string> ExpiredLogFiles(const std::vector<std::string>& names, const LocalTime& today,
                                         int days = LogKeptDays);
// Removes them; returns how many could not be removed. removed, when given, gets the
// names of those removed.
int RemoveExpiredLogFiles(LogFolder& folder, const LocalTime& today, int days = LogKeptDays,
                          std::vector<std::string>* removed = nullptr);

// What retention did, for the log: one record text per file removed, one when the clock
// kept it from removing anything.
std::vector<std::string> RetentionNotes(const LogRetentionPlan& plan, const std::vector<std::string>& removed,
                                        const LocalTime& today, int days = LogKeptDays);

}  // namespace vx
