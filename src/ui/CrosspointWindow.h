#pragma once
// The window "Crosspoint Matrix": every route of the switcher at a glance, outputs down
// and inputs across. A click (or Space, Enter, an accessible Press) on a cell runs the
// handlers of the "Video Switching" page's output button and then its input button; Take
// and Cancel (Ctrl+Enter, Escape) are the page's. It is drawn from the model and the core's
// picture whenever the core publishes a change, as the pages are, so the two always agree.
#include <QWidget>

#include "model/Records.h"
#include "changes/PanelChange.h"
#include "routing/CrosspointCell.h"

class QPushButton;

namespace vx {
class PanelCore;
}

namespace vx::ui {

class CrosspointGrid;
class HandlerRunner;

inline constexpr const char* CrosspointWindowTitle = "Crosspoint Matrix";

class CrosspointWindow : public QWidget {
public:
    CrosspointWindow(PanelCore& core, HandlerRunner& handlers, QWidget* parent);
    ~CrosspointWindow() override;

    CrosspointGrid& Grid() { return *grid_; }

private:
    void Changed(const PanelChange& change);
    void GroupsChanged();
    void SizeChanged();
    void InputNameChanged(int input);
    void OutputNameChanged(int output);
    // The marks the cells of this output carry.
    OutputMarks MarksOf(int output) const;
    void RedrawAll();
    void RedrawRow(int output);
    void Pick(int output, int input);

    PanelCore& core_;
    HandlerRunner& handlers_;
    int ticket_ = 0;  // the window's subscription to the core's changes
    CrosspointGrid* grid_ = nullptr;
    QPushButton* take_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // The groups the cells were last drawn with: a Grouping page redraw that changed
    // nothing redraws nothing here.
    GroupTables drawnGroups_{};
};

}  // namespace vx::ui
