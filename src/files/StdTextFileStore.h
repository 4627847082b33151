#pragma once
// Text files through the standard library alone, for the core's own default and for tools
// without Qt: the new contents go to "path.new", which is renamed over path once written.
#include "files/TextFileStore.h"

namespace vx {

class StdTextFileStore final : public TextFileStore {
public:
    ReadResult Read(const std::string& path) override;
    bool Replace(const std::string& path, const std::string& text) override;
};

// One store for the whole process: it holds no state.
TextFileStore& DefaultTextFileStore();

}  // namespace vx
