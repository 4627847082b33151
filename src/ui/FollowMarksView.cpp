#include "ui/FollowMarksView.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/Look.h"
#include "ui/OperatorToggle.h"
#include "ui/RoutingPageView.h"
#include "ui/SetupPage.h"
#include "ui/VideoSwitchingPage.h"
#include "ui/WidgetAt.h"

namespace vx::ui {

void FollowMarksView::SetOutputRemark(int output, OutputRemark kind, const std::string& words) {
    QLabel* l = WidgetAt(video_.VideoLabels, output);
    if (l == nullptr) return;
    l->setProperty(RouteRemarkProperty,
                   kind == OutputRemark::None ? QString() : QString::fromStdString(words));
    SetFailedFrame(l, kind == OutputRemark::TakeFailed);
    DescribeRoute(l);
}

void FollowMarksView::ShowFollowSettings(const FollowSettings& settings) {
    // Set from the core: neither box may act as if the operator had changed it.
    const QSignalBlocker interval(setup_.FollowIntervalSpinBox);
    SetCheckedQuietly(setup_.FollowCheckBox, settings.On);
    setup_.FollowIntervalSpinBox->setValue(settings.IntervalSeconds);
}

}  // namespace vx::ui
