#pragma once
// Configuration files on disk: a read of a regular file, and a save through QSaveFile,
// which writes a temporary file beside the target, syncs it and renames it over the
// target only when every byte was written (an existing file that is not writable, or a
// folder that is not, refuses the save).
#include "labels/ConfigFileStore.h"

namespace vx::platform {

class QtConfigFileStore : public ConfigFileStore {
public:
    ReadResult Read(const std::string& path, std::size_t max) override;
    bool Replace(const std::string& path, const byte* data, std::size_t size) override;
};

}  // namespace vx::platform
