#include "ui/CrosspointGrid.h"

#include <QGridLayout>
#include <algorithm>

#include "ui/CrosspointCellButton.h"
#include "ui/CrosspointHeading.h"

namespace vx::ui {

CrosspointGrid::CrosspointGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("CrosspointGrid");
    setAccessibleName("Crosspoint matrix");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (int k = 0; k < MaxInputs; ++k) {
        auto* h = new CrosspointHeading(CrosspointHeading::Kind::Input, k, this);
        inputHeadings_[static_cast<std::size_t>(k)] = h;
        grid->addWidget(h, 0, k + 1);
    }
    for (int o = 0; o < MaxOutputs; ++o) {
        auto* h = new CrosspointHeading(CrosspointHeading::Kind::Output, o, this);
        outputHeadings_[static_cast<std::size_t>(o)] = h;
        grid->addWidget(h, o + 1, 0);
        for (int k = 0; k < MaxInputs; ++k) {
            auto* c = new CrosspointCellButton(o, k, this);
            cells_[static_cast<std::size_t>(o)][static_cast<std::size_t>(k)] = c;
            grid->addWidget(c, o + 1, k + 1);
            c->OnStep = [this](int rows, int columns) { Step(rows, columns); };
            c->OnFocused = [this, o, k] { SetCurrent(o, k); };
            connect(c, &QAbstractButton::clicked, this, [this, o, k] {
                if (OnPick) OnPick(o, k);
            });
        }
    }
    for (int k = 0; k < MaxInputs; ++k) grid->setColumnStretch(k + 1, 1);
    for (int o = 0; o < MaxOutputs; ++o) grid->setRowStretch(o + 1, 1);
    Current()->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(Current());
}

CrosspointCellButton* CrosspointGrid::Cell(int output, int input) const {
    if (!IsIndex(output, MaxOutputs) || !IsIndex(input, MaxInputs)) return nullptr;
    return cells_[static_cast<std::size_t>(output)][static_cast<std::size_t>(input)];
}

CrosspointHeading* CrosspointGrid::OutputHeading(int output) const {
    return IsIndex(output, MaxOutputs) ? outputHeadings_[static_cast<std::size_t>(output)] : nullptr;
}

CrosspointHeading* CrosspointGrid::InputHeading(int input) const {
    return IsIndex(input, MaxInputs) ? inputHeadings_[static_cast<std::size_t>(input)] : nullptr;
}

void CrosspointGrid::ShowSize(int outputs, int inputs) {
    outputs = std::clamp(outputs, 1, MaxOutputs);
    inputs = std::clamp(inputs, 1, MaxInputs);
    if (outputs == outputs_ && inputs == inputs_) return;
    outputs_ = outputs;
    inputs_ = inputs;
    auto* grid = static_cast<QGridLayout*>(layout());
    for (int o = 0; o < MaxOutputs; ++o) {
        OutputHeading(o)->setVisible(o < outputs);
        grid->setRowStretch(o + 1, o < outputs ? 1 : 0);
        for (int k = 0; k < MaxInputs; ++k) Cell(o, k)->setVisible(o < outputs && k < inputs);
    }
    for (int k = 0; k < MaxInputs; ++k) {
        InputHeading(k)->setVisible(k < inputs);
        grid->setColumnStretch(k + 1, k < inputs ? 1 : 0);
    }
    SetCurrent(std::min(currentOutput_, outputs - 1), std::min(currentInput_, inputs - 1));
}

void CrosspointGrid::SetCurrent(int output, int input) {
    if (!IsIndex(output, outputs_) || !IsIndex(input, inputs_)) return;
    CrosspointCellButton* before = Current();
    CrosspointCellButton* now = Cell(output, input);
    currentOutput_ = output;
    currentInput_ = input;
    if (before != now) {
        // The focus moves first: the cell that loses it must still be able to take it.
        const bool hadFocus = before->hasFocus();
        now->setFocusPolicy(Qt::StrongFocus);
        setFocusProxy(now);
        if (hadFocus) now->setFocus(Qt::OtherFocusReason);
        before->setFocusPolicy(Qt::ClickFocus);
    }
}

void CrosspointGrid::Step(int rows, int columns) {
    const int o = std::clamp(currentOutput_ + rows, 0, outputs_ - 1);
    const int k = std::clamp(currentInput_ + columns, 0, inputs_ - 1);
    SetCurrent(o, k);
    Current()->setFocus(Qt::OtherFocusReason);
}

}  // namespace vx::ui
