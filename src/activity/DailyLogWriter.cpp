#include "activity/DailyLogWriter.h"

#include <algorithm>
#include <string>

#include "activity/ActivityText.h"
#include "activity/WholeLineAppend.h"

namespace vx {

bool IsRoutineRecord(const ActivityRecord& r) {
    return r.Kind == "Status" && r.Outcome == "answered";
}

ActivityRecord DroppedRecordsNote(const ActivityRecord& next, std::size_t dropped) {
    ActivityRecord note;
    note.When = next.When;
    note.User = next.User;
    note.Link = next.Link;
    note.Kind = "Log";
    note.Text = std::to_string(dropped) + " records were dropped while the log could not be written";
    note.Outcome = "dropped";
    note.Fields = {{"dropped", std::to_string(dropped)}};
    return note;
}

void DailyLogWriter::Add(const ActivityRecord& record) {
    pending_.push_back(record);
    if (!session_.empty() && DayText(session_.back().When) != DayText(record.When)) session_.clear();
    session_.push_back(record);
    if (pending_.size() > kept_) DropOne();
}

void DailyLogWriter::DropOne() {
    auto victim = std::find_if(pending_.begin(), pending_.end(), IsRoutineRecord);
    if (victim == pending_.end()) victim = pending_.begin();
    pending_.erase(victim);
    ++dropped_;
    ++unreported_;
    if (!droppingTold_) droppingStarted_ = droppingTold_ = true;
}

bool DailyLogWriter::DroppingStarted() {
    const bool started = droppingStarted_;
    droppingStarted_ = false;
    return started;
}

DailyLogWriter::FlushResult DailyLogWriter::Failure() {
    const bool first = !failing_;
    if (first) reported_ = 0;
    failing_ = true;
    return first ? FlushResult::FailedFirst : FlushResult::Failed;
}

DailyLogWriter::FlushResult DailyLogWriter::Flush() {
    if (unreported_ > 0 && !pending_.empty()) {
        const ActivityRecord note = DroppedRecordsNote(pending_.front(), unreported_);
        if (AppendWholeLines(folder_, LogFileName(note.When), {RecordJson(note)}) != 1) return Failure();
        reported_ += unreported_;
        unreported_ = 0;
    }
    // One append per day file: records past midnight go to the next day's file.
    while (!pending_.empty()) {
        const std::string name = LogFileName(pending_.front().When);
        std::vector<std::string> lines;
        while (lines.size() < pending_.size() && LogFileName(pending_[lines.size()].When) == name)
            lines.push_back(RecordJson(pending_[lines.size()]));
        const std::size_t written = AppendWholeLines(folder_, name, lines);
        // The records written whole go; the rest wait, none of them twice in the file.
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(written));
        if (written < lines.size()) return Failure();
    }
    droppingTold_ = false;
    const bool again = failing_;
    failing_ = false;
    return again ? FlushResult::WrittenAgain : FlushResult::Written;
}

}  // namespace vx
