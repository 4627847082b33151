#pragma once
// Fakes for the activity log: a clock set by the test and a fixed user, a folder in
// memory that can be made full or read-only, and a sink that keeps what it is given.
#include <map>
#include <string>
#include <vector>

#include "activity/ActivityPorts.h"

namespace vx::test {

struct FakeActivityEnvironment final : ActivityEnvironment {
    LocalTime Time{2026, 12, 11, 10, 31, 2, 415};
    std::string UserName = "operator1";
    LocalTime Now() override { return Time; }
    std::string User() override { return UserName; }
};

struct MemoryLogFolder final : LogFolder {
    std::map<std::string, std::string> Files;
    bool Full = false;      // appends fail, nothing written
    bool ReadOnly = false;  // appends and removals fail
    int Appends = 0;
    bool Append(const std::string& name, const std::string& text) override {
        ++Appends;
        if (Full || ReadOnly) return false;
        Files[name] += text;
        return true;
    }
    std::vector<std::string> List() override {
        std::vector<std::string> names;
        for (const auto& [name, text] : Files) names.push_back(name);
        return names;
    }
    bool Remove(const std::string& name) override {
        if (ReadOnly) return false;
        return Files.erase(name) > 0;
    }
};

struct RecordingActivitySink final : ActivitySink {
    std::vector<ActivityRecord> Records;
    void Add(const ActivityRecord& r) override { Records.push_back(r); }
    // The records of one kind, in words without the time.
    std::vector<std::string> Of(const std::string& kind) const {
        std::vector<std::string> out;
        for (const auto& r : Records)
            if (r.Kind == kind) out.push_back(r.Text + (r.Outcome.empty() ? "" : " | " + r.Outcome));
        return out;
    }
};

}  // namespace vx::test
