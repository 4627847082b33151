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
    // Paints the window now, for a caller about to block the thread. A view that paints
    // as it is set has nothing to do.
    virtual void Repaint() {}
};

}  // namespace vx
