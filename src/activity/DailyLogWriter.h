#pragma once
// Keeps records in memory and writes them, on Flush, to the file of their day
// (YYYY-MM-DD.jsonl, one JSON object a line), each line whole and once whatever the disk
// does. A write that fails keeps the records for the next flush, up to a limit past which
// records are dropped: follow's routine status records first, the operator's actions,
// link events and failures only when nothing else is left. The first failure, the first
// record dropped and the first write after a failure are each reported once, and the
// first record written after drops says how many were dropped.
#include <cstddef>
#include <deque>
#include <vector>

#include "activity/ActivityPorts.h"

namespace vx {

class DailyLogWriter final : public ActivitySink {
public:
    static constexpr std::size_t KeptWhileFailing = 20000;

    explicit DailyLogWriter(LogFolder& folder, std::size_t kept = KeptWhileFailing)
        : folder_(folder), kept_(kept) {}
    void Add(const ActivityRecord& record) override;

    // FailedFirst only for the first failure after a success (or the start), WrittenAgain
    // only for the first success after a failure: the moments to tell the operator.
    enum class FlushResult { Written, Failed, FailedFirst, WrittenAgain };
    FlushResult Flush();

    std::size_t Pending() const { return pending_.size(); }
    // Records dropped since the start.
    std::size_t Dropped() const { return dropped_; }
    // True once, after the first record dropped since the disk last took records.
    bool DroppingStarted();
    // How many records were dropped while the disk refused them, once it takes them again.
    std::size_t DropsReported() const { return reported_; }
    // Today's records so far, kept for the window whatever the disk does.
    const std::vector<ActivityRecord>& Session() const { return session_; }

private:
    void DropOne();
    FlushResult Failure();

    LogFolder& folder_;
    std::size_t kept_;
    std::deque<ActivityRecord> pending_;
    std::vector<ActivityRecord> session_;
    std::size_t dropped_ = 0;
    std::size_t unreported_ = 0;  // dropped since the last note written
    std::size_t reported_ = 0;
    bool droppingStarted_ = false;
    bool droppingTold_ = false;
    bool failing_ = false;
};

// The routine record dropped first when memory fills: a status query follow mode answered.
bool IsRoutineRecord(const ActivityRecord& r);
// The record written before the others once the disk takes them again.
ActivityRecord DroppedRecordsNote(const ActivityRecord& next, std::size_t dropped);

}  // namespace vx
