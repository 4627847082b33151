#pragma once
// The grid of the crosspoint matrix: outputs down, inputs across, a heading for each, and
// a cell where they meet. It shows as many rows and columns as the switcher has and keeps
// one current cell, moved with the arrow keys and the only cell Tab reaches. A click,
// Space or Enter on a cell is reported through OnPick; the grid itself decides nothing.
#include <QWidget>
#include <array>
#include <functional>

#include "model/Records.h"

namespace vx::ui {

class CrosspointCellButton;
class CrosspointHeading;

class CrosspointGrid : public QWidget {
public:
    explicit CrosspointGrid(QWidget* parent);

    CrosspointCellButton* Cell(int output, int input) const;
    CrosspointHeading* OutputHeading(int output) const;
    CrosspointHeading* InputHeading(int input) const;

    // Shows the first outputs rows and inputs columns; the current cell stays among them.
    void ShowSize(int outputs, int inputs);
    int Outputs() const { return outputs_; }
    int Inputs() const { return inputs_; }

    CrosspointCellButton* Current() const { return Cell(currentOutput_, currentInput_); }
    // Makes the cell current (and gives it the focus when the grid has it).
    void SetCurrent(int output, int input);

    std::function<void(int output, int input)> OnPick;

private:
    void Step(int rows, int columns);

    std::array<std::array<CrosspointCellButton*, MaxInputs>, MaxOutputs> cells_{};
    std::array<CrosspointHeading*, MaxOutputs> outputHeadings_{};
    std::array<CrosspointHeading*, MaxInputs> inputHeadings_{};
    int outputs_ = MaxOutputs;
    int inputs_ = MaxInputs;
    int currentOutput_ = 0;
    int currentInput_ = 0;
};

}  // namespace vx::ui
