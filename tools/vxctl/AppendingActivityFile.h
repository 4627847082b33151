#pragma once
// vxctl's activity log: each record appended to one file as a JSON line the moment it is
// made, since the tool may be ended by a signal at any time. A file that cannot be
// written is told once on standard error; the command goes on.
#include <cstdio>
#include <string>

#include "activity/ActivityPorts.h"
#include "activity/ActivityText.h"

namespace vxctl {

class AppendingActivityFile final : public vx::ActivitySink {
public:
    explicit AppendingActivityFile(std::string path) : path_(std::move(path)) {}

    void Add(const vx::ActivityRecord& record) override {
        const std::string line = vx::RecordJson(record) + "\n";
        std::FILE* f = std::fopen(path_.c_str(), "ab");
        const bool ok = f && std::fwrite(line.data(), 1, line.size(), f) == line.size();
        const bool closed = f && std::fclose(f) == 0;
        if ((!ok || !closed) && !told_) {
            told_ = true;
            std::fprintf(stderr, "vxctl: cannot write the log %s; going on without it\n", path_.c_str());
        }
    }

private:
    std::string path_;
    bool told_ = false;
};

}  // namespace vxctl
