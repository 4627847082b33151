#pragma once
// vxctl's activity log: each record appended to one file as a JSON line the moment it is
// made, since the tool may be ended by a signal at any time. Each line lands whole or not
// at all, after a newline when the file ends inside a line. A file that cannot be written
// is told once on standard error; the command goes on.
#include <QFileInfo>
#include <cstdio>
#include <string>

#include "activity/ActivityPorts.h"
#include "activity/ActivityText.h"
#include "activity/WholeLineAppend.h"
#include "platform/QtActivityLog.h"

namespace vxctl {

class AppendingActivityFile final : public vx::ActivitySink {
public:
    explicit AppendingActivityFile(std::string path)
        : path_(std::move(path)),
          folder_(QFileInfo(QString::fromStdString(path_)).absolutePath(), false),
          name_(QFileInfo(QString::fromStdString(path_)).fileName().toStdString()) {}

    void Add(const vx::ActivityRecord& record) override {
        if (vx::AppendWholeLines(folder_, name_, {vx::RecordJson(record)}) == 1 || told_) return;
        told_ = true;
        std::fprintf(stderr, "vxctl: cannot write the log %s; going on without it\n", path_.c_str());
    }

private:
    std::string path_;
    vx::platform::QtLogFolder folder_;
    std::string name_;
    bool told_ = false;
};

}  // namespace vxctl
