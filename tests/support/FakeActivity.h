#pragma once
// Fakes for the activity log: a clock set by the test and a fixed user, a folder in
// memory that can be made full, read-only or filling (writes cut short), and a sink that
// keeps what it is given.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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
    // A filling disk: the next appends take only this many bytes in all, then fail.
    std::optional<std::size_t> RoomLeft;
    bool TruncateFails = false;
    bool EndUnknown = false;  // the file's end cannot be found out (a read error)
    int Appends = 0;
    // The disk recovers.
    void Heal() {
        Full = ReadOnly = TruncateFails = EndUnknown = false;
        RoomLeft.reset();
    }
    std::optional<FileEnd> EndOf(const std::string& name) override {
        if (EndUnknown) return std::nullopt;
        const auto it = Files.find(name);
        if (it == Files.end() || it->second.empty()) return FileEnd{};
        return FileEnd{it->second.size(), it->second.back() == '\n'};
    }
    std::int64_t Append(const std::string& name, std::string_view bytes) override {
        ++Appends;
        if (Full || ReadOnly) return -1;
        std::size_t n = bytes.size();
        if (RoomLeft) {
            if (*RoomLeft == 0) return -1;
            n = std::min(n, *RoomLeft);
            *RoomLeft -= n;
        }
        Files[name].append(bytes.substr(0, n));
        return static_cast<std::int64_t>(n);
    }
    bool Truncate(const std::string& name, std::uint64_t size) override {
        if (TruncateFails || ReadOnly || !Files.count(name)) return false;
        Files[name].resize(size);
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
