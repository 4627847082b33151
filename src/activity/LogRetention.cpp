#include "activity/LogRetention.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "activity/ActivityText.h"

namespace vx {
namespace {

std::optional<std::chrono::sys_days> DayOfName(const std::string& name) {
    // Exactly "YYYY-MM-DD.jsonl".
    if (name.size() != 16 || name.compare(10, 6, ".jsonl") != 0 || name[4] != '-' || name[7] != '-')
        return std::nullopt;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (name[i] < '0' || name[i] > '9') return std::nullopt;
    const int y = std::stoi(name.substr(0, 4));
    const unsigned m = static_cast<unsigned>(std::stoi(name.substr(5, 2)));
    const unsigned d = static_cast<unsigned>(std::stoi(name.substr(8, 2)));
    const std::chrono::year_month_day ymd{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
    if (!ymd.ok()) return std::nullopt;
    return std::chrono::sys_days{ymd};
}

std::chrono::sys_days DayOf(const LocalTime& t) {
    return std::chrono::sys_days{std::chrono::year_month_day{
        std::chrono::year{t.Year}, std::chrono::month{static_cast<unsigned>(t.Month)},
        std::chrono::day{static_cast<unsigned>(t.Day)}}};
}

}  // namespace

LogRetentionPlan PlanLogRetention(const std::vector<std::string>& names, const LocalTime& today, int days) {
    LogRetentionPlan plan;
    std::optional<std::chrono::sys_days> newest;
    for (const auto& name : names)
        if (const auto day = DayOfName(name); day && (!newest || *day > *newest)) newest = day;
    if (!newest) return plan;
    const std::chrono::year_month_day ymd{*newest};
    plan.NewestDay =
        DayText({static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                 static_cast<int>(static_cast<unsigned>(ymd.day()))});
    const auto now = DayOf(today);
    if (now - *newest > std::chrono::days{LogClockLeadDays}) {
        plan.ClockAhead = true;
        return plan;
    }
    const auto oldestKept = std::min(now, *newest) - std::chrono::days{days - 1};
    for (const auto& name : names)
        if (const auto day = DayOfName(name); day && *day < oldestKept) plan.Expired.push_back(name);
    return plan;
}

std::vector<std::string> ExpiredLogFiles(const std::vector<std::string>& names, const LocalTime& today,
                                         int days) {
    return PlanLogRetention(names, today, days).Expired;
}

int RemoveExpiredLogFiles(LogFolder& folder, const LocalTime& today, int days,
                          std::vector<std::string>* removed) {
    int failed = 0;
    for (const auto& name : ExpiredLogFiles(folder.List(), today, days)) {
        if (!folder.Remove(name)) {
            ++failed;
        } else if (removed) {
            removed->push_back(name);
        }
    }
    return failed;
}

std::vector<std::string> RetentionNotes(const LogRetentionPlan& plan, const std::vector<std::string>& removed,
                                        const LocalTime& today, int days) {
    std::vector<std::string> notes;
    if (plan.ClockAhead)
        notes.push_back("No day file removed: the clock (" + DayText(today) + ") is more than " +
                        std::to_string(LogClockLeadDays) + " days past the newest day file (" +
                        plan.NewestDay + ")");
    for (const auto& name : removed)
        notes.push_back("Day file " + name + " removed: older than " + std::to_string(days) + " days");
    return notes;
}

}  // namespace vx
