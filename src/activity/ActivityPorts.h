#pragma once
// What the activity log needs from outside: the local time and the user, a sink that takes
// finished records, and the folder the daily files live in.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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
    // Where a file ends: its size and whether its last byte ends a line (a missing file is
    // empty). Nothing when that cannot be found out.
    struct FileEnd {
        std::uint64_t Size = 0;
        bool EndsLine = true;
    };
    virtual std::optional<FileEnd> EndOf(const std::string& name) = 0;
    // Writes bytes at the end of the file, making the folder and the file when missing:
    // how many were written, which a filling disk makes fewer than asked, or -1 when none.
    virtual std::int64_t Append(const std::string& name, std::string_view bytes) = 0;
    // Cuts the file back to size bytes.
    virtual bool Truncate(const std::string& name, std::uint64_t size) = 0;
    virtual std::vector<std::string> List() = 0;
    virtual bool Remove(const std::string& name) = 0;
};

}  // namespace vx
