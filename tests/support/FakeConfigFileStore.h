#pragma once
// Configuration files in memory, with the failures a disk can have.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "labels/ConfigFileStore.h"

namespace vx::test {

class FakeConfigFileStore : public ConfigFileStore {
public:
    ReadResult Read(const std::string& path, std::size_t max) override {
        ReadResult r;
        ++reads;
        const auto it = files.find(path);
        if (it == files.end()) return r;
        r.Opened = true;
        r.Size = it->second.size();
        const std::size_t n = std::min({max, it->second.size(), shortReadTo});
        r.Bytes.assign(it->second.begin(), it->second.begin() + static_cast<std::ptrdiff_t>(n));
        return r;
    }
    bool Replace(const std::string& path, const byte* data, std::size_t size) override {
        ++writes;
        if (failWrites) return false;
        files[path].assign(data, data + size);
        return true;
    }

    std::map<std::string, std::vector<byte>> files;
    bool failWrites = false;
    // A read stops after this many bytes, as if the file shrank under it.
    std::size_t shortReadTo = static_cast<std::size_t>(-1);
    int reads = 0;
    int writes = 0;
};

}  // namespace vx::test
