#pragma once
// File access for the configuration file, by path. The platform implements it; what is
// made of the outcome (messages, the size check) is the configuration file's.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Records.h"

namespace vx {

struct ConfigFileStore {
    struct ReadResult {
        bool Opened = false;      // the file could be opened for reading
        std::uint64_t Size = 0;   // its size as the file system reports it
        std::vector<byte> Bytes;  // what was actually read, at most the count asked for
    };

    virtual ~ConfigFileStore() = default;
    // Opens the file, asks the file system for its size and reads at most max bytes.
    virtual ReadResult Read(const std::string& path, std::size_t max) = 0;
    // Writes the bytes to a new file beside path and puts it in place of path only when
    // every byte is on the disk; false when anything failed, path then as it was.
    virtual bool Replace(const std::string& path, const byte* data, std::size_t size) = 0;
};

}  // namespace vx
