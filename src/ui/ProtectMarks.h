#pragma once
// Protected outputs on the "Video Switching" page: a lock on the output's button,
// "protected" in its accessible description and tooltip, and the button's context menu
// item "Protect Output" / "Unprotect Output".
#include <QString>
#include <array>

#include "model/Records.h"

class QAction;
class QPushButton;

namespace vx::ui {

class VideoSwitchingPage;

// The property that holds what the button's colour means ("selected" or nothing); the
// description joins it with the protection.
inline constexpr const char* ButtonColourMeaningProperty = "vxColourMeaning";
inline constexpr const char* ProtectedProperty = "vxProtected";
void DescribeOutputButton(QPushButton* b);

class ProtectMarks {
public:
    // Adds the context menu item to every output button of the page.
    explicit ProtectMarks(VideoSwitchingPage& page);

    // ProtectOutputAction1 .. 16, each the context menu item of its output's button.
    std::array<QAction*, MaxOutputs> ProtectActions{};

    void Show(int output, bool on);

private:
    VideoSwitchingPage& page_;
};

}  // namespace vx::ui
