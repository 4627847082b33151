#pragma once
// The progress window (TInfoForm): a message line, a row of progress dots, always on top
// and not modal.
#include <string>

namespace vx {

struct ProgressView {
    virtual ~ProgressView() = default;
    virtual void SetInfoText(const std::string& text) = 0;      // InfoLabel
    virtual void SetProgressText(const std::string& text) = 0;  // InfoProgressLabel
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

}  // namespace vx
