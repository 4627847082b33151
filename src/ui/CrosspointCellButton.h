#pragma once
// One cell of the crosspoint matrix: a button where an output meets an input, painted from
// its state (colour, frames and marks) and saying the same in its accessible description
// and tooltip. It repaints only when its state changes.
#include <QAbstractButton>
#include <functional>

#include "routing/CrosspointCell.h"

namespace vx::ui {

class CrosspointCellButton : public QAbstractButton {
public:
    CrosspointCellButton(int output, int input, QWidget* parent);

    int Output() const { return output_; }
    int Input() const { return input_; }
    const CrosspointCell& State() const { return state_; }
    // False, and nothing repainted, when the cell already shows this state.
    bool SetState(const CrosspointCell& state);

    // The arrow keys move the current cell by rows and columns.
    std::function<void(int rows, int columns)> OnStep;
    std::function<void()> OnFocused;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int output_;
    int input_;
    CrosspointCell state_;
};

// The smallest a cell may get, and its size at the window's default size.
inline constexpr int MinCellSide = 24;
inline constexpr int DefaultCellSide = 32;

}  // namespace vx::ui
