#pragma once
// The window "Crosspoint Matrix": every route of the switcher at a glance, outputs down
// and inputs across. A click (or Space, Enter, an accessible Press) on a cell runs the
// handlers of the "Video Switching" page's output button and then its input button; Take
// and Cancel (Ctrl+Enter, Escape) are the page's. It is drawn from the model whenever the
// core draws the routing side of the main window, so the two always agree.
#include <QWidget>

#include "model/Records.h"
#include "routing/CrosspointCell.h"
#include "ui/CrosspointFeed.h"

class QPushButton;

namespace vx {
class PanelCore;
}

namespace vx::ui {

class CrosspointGrid;
class HandlerRunner;

inline constexpr const char* CrosspointWindowTitle = "Crosspoint Matrix";

class CrosspointWindow : public QWidget, public CrosspointRedraw {
public:
    CrosspointWindow(PanelCore& core, HandlerRunner& handlers, const CrosspointFeed& feed, QWidget* parent);

    CrosspointGrid& Grid() { return *grid_; }

    // CrosspointRedraw
    void OutputChanged(int output) override;
    void GroupsChanged() override;
    void SizeChanged() override;
    void InputNameChanged(int input) override;
    void OutputNameChanged(int output) override;

private:
    // The marks the cells of this output carry.
    OutputMarks MarksOf(int output) const;
    void RedrawAll();
    void RedrawRow(int output);
    void Pick(int output, int input);

    PanelCore& core_;
    HandlerRunner& handlers_;
    const CrosspointFeed& feed_;
    CrosspointGrid* grid_ = nullptr;
    QPushButton* take_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // The groups the cells were last drawn with: a Grouping page redraw that changed
    // nothing redraws nothing here.
    GroupTables drawnGroups_{};
};

}  // namespace vx::ui
