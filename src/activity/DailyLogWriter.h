#pragma once
// Keeps records in memory and writes them, on Flush, to the file of their day
// (YYYY-MM-DD.jsonl, one JSON object a line). A write that fails keeps the records for
// the next flush, up to a limit past which the oldest are dropped, and is reported once
// until a write succeeds again.
#include <cstddef>
#include <deque>
#include <vector>

#include "activity/ActivityPorts.h"

namespace vx {

class DailyLogWriter final : public ActivitySink {
public:
    static constexpr std::size_t KeptWhileFailing = 20000;

    explicit DailyLogWriter(LogFolder& folder) : folder_(folder) {}
    void Add(const ActivityRecord& record) override;

    enum class FlushResult { Written, Failed, FailedFirst };
    // FailedFirst only for the first failure after a success (or the start): the one
    // moment to tell the operator.
    FlushResult Flush();

    std::size_t Pending() const { return pending_.size(); }
    std::size_t Dropped() const { return dropped_; }
    // Today's records so far, kept for the window whatever the disk does.
    const std::vector<ActivityRecord>& Session() const { return session_; }

private:
    LogFolder& folder_;
    std::deque<ActivityRecord> pending_;
    std::vector<ActivityRecord> session_;
    std::size_t dropped_ = 0;
    bool failing_ = false;
};

}  // namespace vx
