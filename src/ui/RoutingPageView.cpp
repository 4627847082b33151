#include "ui/RoutingPageView.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ui/Look.h"
#include "ui/OperatorToggle.h"
#include "ui/ProtectMarks.h"
#include "ui/WidgetAt.h"
#include "ui/StatusLight.h"
#include "ui/VideoSwitchingPage.h"

namespace vx::ui {

void RoutingPageView::SetOutputButtonColour(int output, Colour c) {
    if (QPushButton* b = WidgetAt(page_.OutputButtons, output)) {
        PaintBackground(b, c);
        b->setProperty(ButtonColourMeaningProperty, c == Colour::Yellow ? "selected" : "");
        DescribeOutputButton(b);
    }
}

void RoutingPageView::SetInputButtonColour(int input, Colour c) {
    if (QPushButton* b = WidgetAt(page_.InputButtons, input)) {
        PaintBackground(b, c);
        SetColourMeaning(b, c == Colour::Yellow ? "routed to the selected output" : "");
    }
}

void RoutingPageView::SetVideoLabelText(int output, const std::string& text) {
    if (QLabel* l = WidgetAt(page_.VideoLabels, output)) {
        l->setText(QString::fromStdString(text));
        DescribeVideoLabel(output);
    }
}

void RoutingPageView::SetVideoLabelColour(int output, Colour c) {
    if (QLabel* l = WidgetAt(page_.VideoLabels, output)) {
        PaintBackground(l, c);
        DescribeVideoLabel(output);
    }
}

void RoutingPageView::DescribeVideoLabel(int output) {
    DescribeRoute(WidgetAt(page_.VideoLabels, output));
}

// The label's text and the route state its colour stands for, e.g. "5, pending route",
// then follow mode's remark, e.g. "7, route in force, changed at the switcher".
void DescribeRoute(QLabel* l) {
    if (l == nullptr) return;
    const bool routed = l->text() != "--";
    QString state;
    switch (PaintedColour(l)) {
        case Colour::Red:
            state = routed ? "pending route" : "pending disconnect";
            break;
        case Colour::Lime:
            state = "route in force";
            break;
        default:
            state = routed ? "" : "nothing routed";
            break;
    }
    QString meaning = state.isEmpty() ? l->text() : l->text() + ", " + state;
    const QString remark = l->property(RouteRemarkProperty).toString();
    if (!remark.isEmpty()) meaning += ", " + remark;
    SetColourMeaning(l, meaning);
}

void RoutingPageView::SetReclockerChecked(int output, bool on) {
    SetCheckedQuietly(WidgetAt(page_.ReclockerCheckBoxes, output), on);
}

bool RoutingPageView::IsReclockerChecked(int output) const {
    const QCheckBox* c = WidgetAt(page_.ReclockerCheckBoxes, output);
    return c != nullptr && c->isChecked();
}

void RoutingPageView::SetOutputWidgetsEnabled(int output, bool on) {
    if (QPushButton* b = WidgetAt(page_.OutputButtons, output)) b->setEnabled(on);
    if (QLabel* l = WidgetAt(page_.VideoLabels, output)) l->setEnabled(on);
    if (QCheckBox* c = WidgetAt(page_.ReclockerCheckBoxes, output)) c->setEnabled(on);
}

void RoutingPageView::SetInputButtonEnabled(int input, bool on) {
    if (QPushButton* b = WidgetAt(page_.InputButtons, input)) b->setEnabled(on);
}

void RoutingPageView::SetWindowTitle(const std::string& title) {
    window_.setWindowTitle(QString::fromStdString(title));
}

void RoutingPageView::SetTakeLight(bool lit) {
    page_.TakeLight->SetLit(lit);
    // The light is drawn now: the take that follows blocks the thread while it waits.
    page_.TakeLight->repaint();
}

}  // namespace vx::ui
