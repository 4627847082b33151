#pragma once
// What the Grouping page draws. Indexes are 0-based; setting a widget here never raises
// its click handler.
#include <string>
#include <vector>

#include "model/Colour.h"

namespace vx {

struct GroupingView {
    virtual ~GroupingView() = default;
    virtual void SetGroupInputButtonColour(int input, Colour c) = 0;
    virtual void SetGroupOutputButtonColour(int output, Colour c) = 0;
    virtual void SetGroupInputButtonEnabled(int input, bool on) = 0;
    virtual void SetGroupOutputButtonEnabled(int output, bool on) = 0;
    virtual void SetGroupExistChecked(int group, bool on) = 0;
    virtual void SetGroupExistEnabled(int group, bool on) = 0;
    virtual void SetOutputFirstHintVisible(bool on) = 0;
    // Replaces every item of the group selector.
    virtual void SetGroupRadioItems(const std::vector<std::string>& items) = 0;
    // Selects an item without raising the selector's click handler.
    virtual void SelectGroupRadioItem(int group) = 0;
    virtual int SelectedGroup() const = 0;
};

}  // namespace vx
