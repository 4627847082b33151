#pragma once
// Text files in memory for the panel's settings file, with the disk's faults: reads that
// fail (EIO), writes that fail, and writes that take only part of the text (a disk that
// fills). A store keeps its promise even so: a write that did not complete leaves the file
// as it was.
#include <map>
#include <optional>
#include <string>

#include "files/TextFileStore.h"

namespace vx::test {

struct FakeTextFileStore final : TextFileStore {
    std::map<std::string, std::string> Files;
    bool ReadsFail = false;
    bool WritesFail = false;
    std::optional<std::size_t> RoomLeft;  // a write of more than this is cut short
    int Reads = 0, Writes = 0;
    std::string LastPartial;  // what the cut-short write got onto the disk beside the file

    // The disk recovers.
    void Heal() {
        ReadsFail = WritesFail = false;
        RoomLeft.reset();
    }

    ReadResult Read(const std::string& path) override {
        ++Reads;
        ReadResult r;
        if (ReadsFail) {
            r.State = ReadState::Failed;
            r.Error = "Input/output error";
            return r;
        }
        const auto it = Files.find(path);
        if (it == Files.end()) return r;
        r.State = ReadState::Read;
        r.Text = it->second;
        return r;
    }
    bool Replace(const std::string& path, const std::string& text) override {
        ++Writes;
        if (WritesFail) return false;
        if (RoomLeft && text.size() > *RoomLeft) {
            LastPartial = text.substr(0, *RoomLeft);
            return false;
        }
        Files[path] = text;
        return true;
    }
};

}  // namespace vx::test
