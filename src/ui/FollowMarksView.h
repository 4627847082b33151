#pragma once
// Draws follow mode for the core: the remark of an output on the "Video Switching" page
// (in its video label's description and tooltip; a failed take also as a red frame) and
// the Setup page's follow controls, set without raising their signals.
#include "follow/FollowView.h"

namespace vx::ui {

class SetupPage;
class VideoSwitchingPage;

class FollowMarksView : public FollowView {
public:
    FollowMarksView(VideoSwitchingPage& video, SetupPage& setup) : video_(video), setup_(setup) {}

    void SetOutputRemark(int output, OutputRemark kind, const std::string& words) override;
    void ShowFollowSettings(const FollowSettings& settings) override;
    // The status line and the marks say it all in the window.
    void RouteChanged(const RouteChange&) override {}

private:
    VideoSwitchingPage& video_;
    SetupPage& setup_;
};

}  // namespace vx::ui
