#include "activity/LogRetention.h"

#include <chrono>
#include <optional>

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

}  // namespace

std::vector<std::string> ExpiredLogFiles(const std::vector<std::string>& names, const LocalTime& today,
                                         int days) {
    const std::chrono::year_month_day now{std::chrono::year{today.Year},
                                          std::chrono::month{static_cast<unsigned>(today.Month)},
                                          std::chrono::day{static_cast<unsigned>(today.Day)}};
    const auto oldestKept = std::chrono::sys_days{now} - std::chrono::days{days - 1};
    std::vector<std::string> expired;
    for (const auto& name : names) {
        const auto day = DayOfName(name);
        if (day && *day < oldestKept) expired.push_back(name);
    }
    return expired;
}

int RemoveExpiredLogFiles(LogFolder& folder, const LocalTime& today, int days) {
    int failed = 0;
    for (const auto& name : ExpiredLogFiles(folder.List(), today, days))
        if (!folder.Remove(name)) ++failed;
    return failed;
}

}  // namespace vx
