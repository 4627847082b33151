#pragma once
// Draws the routing side of the window for the core: the "Video Switching" page, the
// window title and the take light. Whenever a colour changes, its meaning is given in
// words in the widget's accessible description and tooltip.
#include "routing/RoutingView.h"

class QLabel;
class QWidget;

namespace vx::ui {

class VideoSwitchingPage;

// A video label's accessible description and tooltip: its text, the route state its colour
// stands for and the remark kept in the property "vxRouteRemark", if any.
inline constexpr const char* RouteRemarkProperty = "vxRouteRemark";
void DescribeRoute(QLabel* label);

class RoutingPageView : public RoutingView {
public:
    RoutingPageView(VideoSwitchingPage& page, QWidget& window) : page_(page), window_(window) {}

    void SetOutputButtonColour(int output, Colour c) override;
    void SetInputButtonColour(int input, Colour c) override;
    void SetVideoLabelText(int output, const std::string& text) override;
    void SetVideoLabelColour(int output, Colour c) override;
    void SetReclockerChecked(int output, bool on) override;
    bool IsReclockerChecked(int output) const override;
    void SetOutputWidgetsEnabled(int output, bool on) override;
    void SetInputButtonEnabled(int input, bool on) override;
    void SetWindowTitle(const std::string& title) override;
    void SetTakeLight(bool lit) override;

private:
    void DescribeVideoLabel(int output);

    VideoSwitchingPage& page_;
    QWidget& window_;
};

}  // namespace vx::ui
