#pragma once
// What the activity log needs from outside: the local time and the user, a sink that takes
// finished records, and the folder the daily files live in.
#include <string>
#include <vector>

#include "activity/ActivityRecord.h"

namespace vx {

struct ActivityEnvironment {
    virtual ~ActivityEnvironment() = default;
    virtual LocalTime Now() = 0;
    virtual std::string User() = 0;
};

struct ActivitySink {
    virtual ~ActivitySink() = default;
    virtual void Add(const ActivityRecord& record) = 0;
};

// The log's folder, by file name. Every call reports failure instead of raising.
struct LogFolder {
    virtual ~LogFolder() = default;
    // Appends text to the file, making the folder and the file when missing.
    virtual bool Append(const std::string& name, const std::string& text) = 0;
    virtual std::vector<std::string> List() = 0;
    virtual bool Remove(const std::string& name) = 0;
};

}  // namespace vx
