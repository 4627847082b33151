#pragma once
// What the "Sequencing" page shows and holds: the eight rows (preset number, delay in
// seconds, "On"), the box that locks them while a sequence runs, and the sequence light.
// Rows are 0..7; reading a widget here is never an operator action.
#include <string>

#include "model/Colour.h"

namespace vx {

struct SequencingView {
    virtual ~SequencingView() = default;
    virtual bool IsRowOn(int k) const = 0;                // PresetSeqEnableCheckBox
    virtual std::string PresetText(int k) const = 0;      // PresetSeqEdit
    virtual std::string DelayText(int k) const = 0;       // PresetDelayEdit
    virtual void SetRowEditsEnabled(int k, bool on) = 0;  // both edits of the row
    // Whether the page is the one on screen: a hidden page's edit never takes the focus.
    virtual bool IsPageShown() const = 0;
    virtual void FocusPresetEdit(int k) = 0;
    virtual void FocusDelayEdit(int k) = 0;
    virtual void SetRowsUnlocked(bool on) = 0;       // PresetSequenceActiveBox
    virtual void SetRowColour(int k, Colour c) = 0;  // PresetSeqLabel
    virtual void SetSequenceLight(bool lit) = 0;     // PresetSeqApdStatusLight
};

}  // namespace vx
