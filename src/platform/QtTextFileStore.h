#pragma once
// The panel's settings file on disk: a read that tells a missing file from one that cannot
// be read, and a save through QSaveFile that puts the new file in place only once every
// byte is written.
#include "files/TextFileStore.h"

namespace vx::platform {

class QtTextFileStore final : public TextFileStore {
public:
    ReadResult Read(const std::string& path) override;
    bool Replace(const std::string& path, const std::string& text) override;
};

}  // namespace vx::platform
