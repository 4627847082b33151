#include "ui/CrosspointWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <cstring>

#include "model/LiveCount.h"
#include "panel/PanelCore.h"
#include "routing/Crosspoint.h"
#include "ui/CrosspointAccessible.h"
#include "ui/CrosspointCellButton.h"
#include "ui/CrosspointGrid.h"
#include "ui/CrosspointHeading.h"
#include "ui/HandlerRunner.h"
#include "ui/Widgets.h"

namespace vx::ui {

CrosspointWindow::CrosspointWindow(PanelCore& core, HandlerRunner& handlers, const CrosspointFeed& feed,
                                   QWidget* parent)
    : QWidget(parent, Qt::Window), core_(core), handlers_(handlers), feed_(feed) {
    InstallCrosspointAccessibility();
    setObjectName("CrosspointMatrixForm");
    setWindowTitle(CrosspointWindowTitle);
    auto* column = new QVBoxLayout(this);
    grid_ = new CrosspointGrid(this);
    column->addWidget(grid_, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    take_ = NewButton(this, "CrosspointTakeButton", "Take");
    take_->setToolTip("Puts every pending route in force (Ctrl+Enter)");
    cancel_ = NewButton(this, "CrosspointCancelButton", "Cancel");
    cancel_->setToolTip("Withdraws every pending route (Escape)");
    buttons->addWidget(take_);
    buttons->addWidget(cancel_);
    column->addLayout(buttons);

    grid_->OnPick = [this](int o, int k) { Pick(o, k); };
    // The page's own handlers: a preview's Confirm and Cancel, the take light and follow
    // mode's check of the take come with them.
    connect(take_, &QPushButton::clicked, this,
            [this] { handlers_.Run([this] { core_.TakeButtonClick(); }); });
    connect(cancel_, &QPushButton::clicked, this,
            [this] { handlers_.Run([this] { core_.CancelTakeButtonClick(); }); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, take_, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cancel_,
            &QPushButton::click);

    for (int k = 0; k < MaxInputs; ++k) InputNameChanged(k);
    for (int o = 0; o < MaxOutputs; ++o) OutputNameChanged(o);
    const SwitcherState& m = core_.Model();
    grid_->ShowSize(LiveCount(m.OutputCount, MaxOutputs), LiveCount(m.InputCount, MaxInputs));
    RedrawAll();
    resize(sizeHint());
}

// The one place the cells learn the output's marks.
OutputMarks CrosspointWindow::MarksOf(int output) const {
    OutputMarks marks = feed_.MarksOf(output);
    marks.Protected = core_.IsProtected(output);
    return marks;
}

void CrosspointWindow::RedrawRow(int output) {
    if (!IsIndex(output, MaxOutputs)) return;
    const SwitcherState& m = core_.Model();
    const OutputMarks marks = MarksOf(output);
    for (int k = 0; k < MaxInputs; ++k) grid_->Cell(output, k)->SetState(CellAt(m, output, k, marks));
    const bool selected = feed_.OutputColour(output) == Colour::Yellow;
    grid_->OutputHeading(output)->SetState(
        selected ? Colour::Yellow : Colour::ButtonFace,
        QString::fromStdString(OutputRowWords(m, output, selected, marks)));
}

void CrosspointWindow::RedrawAll() {
    drawnGroups_ = core_.Model().Groups;
    for (int o = 0; o < MaxOutputs; ++o) RedrawRow(o);
}

void CrosspointWindow::OutputChanged(int output) {
    RedrawRow(output);
}

void CrosspointWindow::GroupsChanged() {
    if (std::memcmp(&drawnGroups_, &core_.Model().Groups, sizeof(GroupTables)) != 0) RedrawAll();
}

void CrosspointWindow::SizeChanged() {
    const SwitcherState& m = core_.Model();
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    const int inputs = LiveCount(m.InputCount, MaxInputs);
    if (outputs == grid_->Outputs() && inputs == grid_->Inputs()) return;
    grid_->ShowSize(outputs, inputs);
    RedrawAll();
}

void CrosspointWindow::InputNameChanged(int input) {
    if (CrosspointHeading* h = grid_->InputHeading(input)) h->SetName(feed_.InputName(input));
}

void CrosspointWindow::OutputNameChanged(int output) {
    if (CrosspointHeading* h = grid_->OutputHeading(output)) h->SetName(feed_.OutputName(output));
}

void CrosspointWindow::Pick(int output, int input) {
    grid_->SetCurrent(output, input);
    // A greyed cell is a disabled input button on the page: it cannot be picked.
    const CrosspointCell cell = CellAt(core_.Model(), output, input, {});
    if (!cell.Live || !cell.Allowed) return;
    handlers_.Run([&] {
        core_.OutputButtonClick(output);
        core_.InputButtonClick(input);
    });
}

}  // namespace vx::ui
