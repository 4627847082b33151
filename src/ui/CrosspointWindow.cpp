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

namespace {
const Requester FromMatrix{Source::Matrix, {}};
}  // namespace

CrosspointWindow::CrosspointWindow(PanelCore& core, HandlerRunner& handlers, QWidget* parent)
    : QWidget(parent, Qt::Window), core_(core), handlers_(handlers) {
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
            [this] { handlers_.Run([this] { core_.Submit(Ask(Intent::Take, FromMatrix)); }); });
    connect(cancel_, &QPushButton::clicked, this,
            [this] { handlers_.Run([this] { core_.Submit(Ask(Intent::Cancel, FromMatrix)); }); });
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
    ticket_ = core_.Changes().Subscribe([this](const PanelChange& c) { Changed(c); });
}

CrosspointWindow::~CrosspointWindow() {
    core_.Changes().Unsubscribe(ticket_);
}

void CrosspointWindow::Changed(const PanelChange& c) {
    switch (c.Kind) {
        case ChangeKind::Route:
        case ChangeKind::Selection:
        case ChangeKind::Marks:
        case ChangeKind::Protection: RedrawRow(c.Index); break;
        case ChangeKind::InputName: InputNameChanged(c.Index); break;
        case ChangeKind::OutputName: OutputNameChanged(c.Index); break;
        case ChangeKind::Groups: GroupsChanged(); break;
        case ChangeKind::Size: SizeChanged(); break;
        case ChangeKind::Preview: RedrawAll(); break;
        case ChangeKind::Present: break;
    }
}

// The one place the cells learn the output's marks.
OutputMarks CrosspointWindow::MarksOf(int output) const {
    const FollowMarks& follow = core_.Picture().MarksOf(output);
    OutputMarks marks;
    marks.ChangedElsewhere = follow.ChangedElsewhere;
    marks.TakeFailed = follow.TakeFailed;
    marks.Remark = follow.Remark;
    marks.Protected = core_.IsProtected(output);
    marks.LockedBy = core_.Picture().LockHolder(output);
    return marks;
}

void CrosspointWindow::RedrawRow(int output) {
    if (!IsIndex(output, MaxOutputs)) return;
    const SwitcherState& m = core_.Model();
    const OutputMarks marks = MarksOf(output);
    for (int k = 0; k < MaxInputs; ++k) grid_->Cell(output, k)->SetState(CellAt(m, output, k, marks));
    const bool selected = m.SelectedOutput == output;
    grid_->OutputHeading(output)->SetState(
        selected ? Colour::Yellow : Colour::ButtonFace,
        QString::fromStdString(OutputRowWords(m, output, selected, marks)));
}

void CrosspointWindow::RedrawAll() {
    drawnGroups_ = core_.Model().Groups;
    for (int o = 0; o < MaxOutputs; ++o) RedrawRow(o);
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
    if (CrosspointHeading* h = grid_->InputHeading(input)) h->SetName(core_.Picture().InputName(input));
}

void CrosspointWindow::OutputNameChanged(int output) {
    if (CrosspointHeading* h = grid_->OutputHeading(output)) h->SetName(core_.Picture().OutputName(output));
}

void CrosspointWindow::Pick(int output, int input) {
    grid_->SetCurrent(output, input);
    // A greyed cell is a disabled input button on the page: it cannot be picked.
    const CrosspointCell cell = CellAt(core_.Model(), output, input, {});
    if (!cell.Live || !cell.Allowed) return;
    // One cell is one route: when its output cannot be selected (protected, say), the
    // input goes nowhere else.
    handlers_.Run([&] {
        if (!core_.Submit(AskOutput(Intent::SelectOutput, output, FromMatrix)).Done()) return;
        core_.Submit(AskInput(Intent::PickInput, input, FromMatrix));
    });
}

}  // namespace vx::ui
