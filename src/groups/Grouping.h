#pragma once
// Output groups: the Grouping page's editing of Groups, mirrored to the
// switcher with "GADD", "GDEL" and "GCLEAR". Indexes are 0-based; g is a group 0..7.
#include "groups/GroupingView.h"
#include "link/CommandSender.h"
#include "model/SwitcherState.h"

namespace vx {

class Grouping {
public:
    Grouping(SwitcherState& model, CommandSender& sender, GroupingView& view);

    // Empty tables, then ShowFirstGroup. Once, at construction.
    void InitGroups();
    // The page drawn from the tables as they are: group 1 selected and shown, every exist
    // box set. After a load of the tables this is all the page needs: the group buttons
    // and "Remove Group" are never disabled, so only the selector is set back.
    void ShowFirstGroup();
    // Enabling and colours of the group buttons for group g.
    void ShowGroup(int g);
    // Exist box of every group: checked when it has members and at least one output.
    void UpdateGroupExistBoxes();
    void ToggleGroupInput(int g, int i);
    void ToggleGroupOutput(int g, int o);
    void RemoveGroup(int g);
    void RemoveAllGroups();
    // The Grouping page redrawn from the model (third step of RefreshFromModel).
    void RefreshGroupingPage();

    // Handlers; the button handlers are guarded and act on g = view.SelectedGroup().
    void GroupingRadioGroupClick();         // not guarded
    void GroupInputButtonClick(int i);      // GroupInputButton1Click .. 16, i = 0..15
    void GroupOutputButtonClick(int o);     // GroupOutputButton1Click .. 16, o = 0..15
    void GroupingRemoveButtonClick();
    void GroupingRemoveAllButtonClick();
    // The same for group g, the group the selector showed when the operator clicked.
    void GroupInputButtonClick(int g, int i);
    void GroupOutputButtonClick(int g, int o);
    void GroupingRemoveButtonClick(int g);

private:
    void ColourInputButtons(int g);
    void ColourOutputButtons(int g);
    void ClearGroup(int g);  // steps 2 to 5 of RemoveGroup

    SwitcherState& m_;
    CommandSender& send_;
    GroupingView& view_;
};

}  // namespace vx
