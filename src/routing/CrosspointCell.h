#pragma once
// What one cell of the crosspoint matrix shows, where output o meets input k, worked out
// from the model alone so that the matrix window and the "Video Switching" page can never
// read the routes differently. Indexes are 0-based.
#include <string>

#include "model/Colour.h"
#include "model/SwitcherState.h"

namespace vx {

// Marks other features put on an output, drawn on the cell its route shows on and on its
// row heading.
struct OutputMarks {
    bool ChangedElsewhere = false;  // follow mode found it changed at the switcher
    bool TakeFailed = false;        // follow mode found a take not carried out
    bool Protected = false;         // the output is protected
    std::string LockedBy;           // the address of the router client that holds it locked
    // Follow mode's own words for its mark, e.g. "take failed: input 5 asked, input 2 in force".
    std::string Remark;

    bool operator==(const OutputMarks&) const = default;
};

struct CrosspointCell {
    bool Live = false;               // the switcher has this output and this input
    bool InForce = false;            // the output's route in force is this input
    bool Pending = false;            // a pending route to this input
    bool PendingDisconnect = false;  // the output's route to this input is to be disconnected
    bool Previous = false;           // what Cancel falls back to, while something else is pending
    bool Allowed = true;             // the output's group rule lets this input be picked
    int Group = NO_INPUT;            // the output's group (when it has inputs), else NO_INPUT
    int InputGroup = NO_INPUT;       // the group this input is kept for, when not allowed
    OutputMarks Marks;               // only on the cell the output's route shows on

    bool operator==(const CrosspointCell&) const = default;
};

// The cell of output o and input k; marks are the output's.
CrosspointCell CellAt(const SwitcherState& m, int o, int k, const OutputMarks& marks);

// The input the output's route is drawn on: the route shown, or for a pending disconnect
// the input being disconnected; NO_INPUT when none.
int RouteCellInput(const SwitcherState& m, int o);

// "Output 3, Input 5": what a screen reader calls the cell.
std::string CellName(int o, int k);
// The cell's state in words, e.g. "pending, previous input" or "not in group 2"; "not
// routed" for an empty cell that can be picked.
std::string CellWords(const CrosspointCell& c);
// The colour that carries the cell's route state: lime in force, red pending (a route or a
// disconnect), button face otherwise.
Colour CellColour(const CrosspointCell& c);

// The output's row heading in words: "selected" (as the window shows it), "pending
// disconnect", its group and its marks.
std::string OutputRowWords(const SwitcherState& m, int o, bool selected, const OutputMarks& marks);

}  // namespace vx
