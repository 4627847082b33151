#include "activity/DailyLogWriter.h"

#include <string>

#include "activity/ActivityText.h"

namespace vx {

void DailyLogWriter::Add(const ActivityRecord& record) {
    pending_.push_back(record);
    if (!session_.empty() && DayText(session_.back().When) != DayText(record.When)) session_.clear();
    session_.push_back(record);
    if (pending_.size() > KeptWhileFailing) {
        pending_.pop_front();
        ++dropped_;
    }
}

DailyLogWriter::FlushResult DailyLogWriter::Flush() {
    // One append per day file: records past midnight go to the next day's file.
    while (!pending_.empty()) {
        const std::string name = LogFileName(pending_.front().When);
        std::string text;
        std::size_t n = 0;
        while (n < pending_.size() && LogFileName(pending_[n].When) == name) {
            text += RecordJson(pending_[n]);
            text += '\n';
            ++n;
        }
        if (!folder_.Append(name, text)) {
            const bool first = !failing_;
            failing_ = true;
            return first ? FlushResult::FailedFirst : FlushResult::Failed;
        }
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
    }
    failing_ = false;
    return FlushResult::Written;
}

}  // namespace vx
