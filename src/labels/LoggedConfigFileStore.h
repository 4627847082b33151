#pragma once
// The configuration file store with every save and load written to the activity log.
#include "activity/ActivityLog.h"
#include "labels/ConfigFileStore.h"

namespace vx {

class LoggedConfigFileStore final : public ConfigFileStore {
public:
    LoggedConfigFileStore(ConfigFileStore& store, ActivityLog& log) : store_(store), log_(log) {}

    ReadResult Read(const std::string& path, std::size_t max) override {
        ReadResult r = store_.Read(path, max);
        log_.Note("File", "Configuration file opened: " + path, r.Opened ? "read" : "could not be opened",
                  {{"path", path}, {"bytes", std::to_string(r.Bytes.size())}});
        return r;
    }
    bool Replace(const std::string& path, const byte* data, std::size_t size) override {
        const bool ok = store_.Replace(path, data, size);
        log_.Note("File", "Configuration file saved: " + path, ok ? "saved" : "not saved",
                  {{"path", path}, {"bytes", std::to_string(size)}});
        return ok;
    }

private:
    ConfigFileStore& store_;
    ActivityLog& log_;
};

}  // namespace vx
