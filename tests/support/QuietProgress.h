#pragma once
// A progress window that shows nothing and remembers its message lines and whether it is up.
#include <string>
#include <vector>

#include "status/ProgressView.h"

namespace vx::test {

struct QuietProgress : ProgressView {
    void SetInfoText(const std::string& t) override { texts.push_back(t); }
    void SetProgressText(const std::string&) override {}
    void Show() override { shown = true; }
    void Hide() override { shown = false; }
    std::vector<std::string> texts;
    bool shown = false;
};

}  // namespace vx::test
