#include "ui/VideoSwitchingPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "routing/KeyRouting.h"
#include "ui/Look.h"
#include "ui/StatusLight.h"
#include "ui/Widgets.h"

namespace vx::ui {

namespace {
constexpr int RoutingButtonWidth = 76;
constexpr int RoutingButtonHeight = 26;
constexpr int VideoLabelWidth = 44;
constexpr int RowsPerOutputTab = 8;
}  // namespace

VideoSwitchingPage::VideoSwitchingPage(int rightReserve, QWidget* parent) : QWidget(parent) {
    setObjectName("ControlTabSheet");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10 + rightReserve, 10);
    layout->setSpacing(12);
    layout->addWidget(BuildInputs(), 0, Qt::AlignTop);
    layout->addWidget(BuildOutputs(), 0, Qt::AlignTop);
    layout->addWidget(BuildTakeColumn(), 0, Qt::AlignTop);
    layout->addStretch(1);
}

QWidget* VideoSwitchingPage::BuildInputs() {
    QGroupBox* box = NewGroupBox(this, "InputsGroupBox", " Inputs ");
    auto* tabs = new QTabWidget(box);
    tabs->setObjectName("InputPageControl");
    auto* sheet = new QWidget(tabs);
    sheet->setObjectName("InputTabSheet");
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    for (int k = 0; k < MaxInputs; ++k) {
        const QString n = QString::number(k + 1);
        QLabel* number = NewLabel(sheet, "InputNumberLabel" + n, n);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setMinimumWidth(18);
        QPushButton* b = NewColourButton(sheet, "InputButton" + n, n, "Input " + n);
        b->setFixedSize(RoutingButtonWidth, RoutingButtonHeight);
        number->setBuddy(b);
        const int column = (k / RowsPerOutputTab) * 2;
        grid->addWidget(number, k % RowsPerOutputTab, column);
        grid->addWidget(b, k % RowsPerOutputTab, column + 1);
        InputButtons[static_cast<std::size_t>(k)] = b;
    }
    tabs->addTab(sheet, "Input 1 - 16");
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(tabs);
    return box;
}

QWidget* VideoSwitchingPage::BuildOutputs() {
    QGroupBox* box = NewGroupBox(this, "OutputsGroupBox", " Outputs ");
    OutputTabs = new QTabWidget(box);
    OutputTabs->setObjectName("OutputPageControl");
    OutputTabs->addTab(BuildOutputTab(0, "OutputTabSheet1"), "Output 1 - 8");
    OutputTabs->addTab(BuildOutputTab(RowsPerOutputTab, "OutputTabSheet2"), "Output 9 - 16");
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(OutputTabs);
    return box;
}

QWidget* VideoSwitchingPage::BuildOutputTab(int first, const QString& tabName) {
    auto* sheet = new QWidget(OutputTabs);
    sheet->setObjectName(tabName);
    auto* grid = new QGridLayout(sheet);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    const QString range = QString("outputs %1 to %2").arg(first + 1).arg(first + RowsPerOutputTab);
    QLabel* video = NewLabel(sheet, tabName + "VideoHeading", "Video");
    video->setAccessibleName("Video column, " + range);
    video->setAlignment(Qt::AlignCenter);
    QLabel* reclocker = NewLabel(sheet, tabName + "ReclockerHeading", "Reclocker");
    reclocker->setAccessibleName("Reclocker column, " + range);
    grid->addWidget(video, 0, 1);
    grid->addWidget(reclocker, 0, 2);
    for (int r = 0; r < RowsPerOutputTab; ++r) {
        const int i = first + r;
        const QString n = QString::number(i + 1);
        QPushButton* b = NewColourButton(sheet, "OutputButton" + n, n, "Output " + n);
        b->setFixedSize(RoutingButtonWidth, RoutingButtonHeight);
        QLabel* label = NewLabel(sheet, "VideoLabel" + n, "--");
        label->setAlignment(Qt::AlignCenter);
        label->setFixedSize(VideoLabelWidth, RoutingButtonHeight - 4);
        label->setAccessibleName("Video " + n);
        PaintBackground(label, Colour::ButtonFace);
        SetColourMeaning(label, "--, nothing routed");
        QCheckBox* c = NewCheckBox(sheet, "ReclockerCheckBox" + n, "Enable", "Reclocker " + n);
        c->setChecked(true);
        grid->addWidget(b, r + 1, 0);
        grid->addWidget(label, r + 1, 1, Qt::AlignCenter);
        grid->addWidget(c, r + 1, 2);
        OutputButtons[static_cast<std::size_t>(i)] = b;
        VideoLabels[static_cast<std::size_t>(i)] = label;
        ReclockerCheckBoxes[static_cast<std::size_t>(i)] = c;
    }
    grid->setRowStretch(RowsPerOutputTab + 1, 1);
    return sheet;
}

QWidget* VideoSwitchingPage::BuildTakeColumn() {
    auto* column = new QWidget(this);
    column->setObjectName("TakeColumn");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(10);

    QGroupBox* takeBox = NewGroupBox(column, "TakeGroupBox", "");
    takeBox->setAccessibleName("Take and cancel");
    auto* takeLayout = new QGridLayout(takeBox);
    TakeLight = new StatusLight("ApdStatusLight1", "Take light", takeBox);
    TakeButton = NewButton(takeBox, "TakeButton", "Take");
    CancelTakeButton = NewButton(takeBox, "CancelTakeButton", "Cancel");
    TakeButton->setToolTip(QString("Take every pending route (Ctrl+Enter).\n") + UndoKeysSummary + "\n" +
                           KeyRoutingSummary);
    CancelTakeButton->setToolTip(QString("Withdraw every pending route (Escape).\n") + UndoKeysSummary +
                                 "\n" + KeyRoutingSummary);
    TakeButton->setMinimumWidth(110);
    CancelTakeButton->setMinimumWidth(110);
    takeLayout->addWidget(TakeLight, 0, 0, Qt::AlignCenter);
    takeLayout->addWidget(TakeButton, 0, 1);
    takeLayout->addWidget(CancelTakeButton, 1, 1);
    layout->addWidget(takeBox);

    ClearAllRoutingButton = NewButton(column, "ClearAllRoutingButton", "Clear All Routing");
    UpdateStatus = NewButton(column, "UpdateStatus", "Read from Vextaro");
    layout->addSpacing(10);
    layout->addWidget(ClearAllRoutingButton);
    layout->addWidget(UpdateStatus);
    layout->addStretch(1);
    return column;
}

}  // namespace vx::ui
