#pragma once
// Draws the "Grouping" page for the core. A yellow group button is described in words
// as "member of the group shown".
#include "groups/GroupingView.h"

namespace vx::ui {

class GroupingPage;

class GroupingPageView : public GroupingView {
public:
    explicit GroupingPageView(GroupingPage& page) : page_(page) {}

    void SetGroupInputButtonColour(int input, Colour c) override;
    void SetGroupOutputButtonColour(int output, Colour c) override;
    void SetGroupInputButtonEnabled(int input, bool on) override;
    void SetGroupOutputButtonEnabled(int output, bool on) override;
    void SetGroupExistChecked(int group, bool on) override;
    void SetGroupExistEnabled(int group, bool on) override;
    void SetOutputFirstHintVisible(bool on) override;
    void SetGroupRadioItems(const std::vector<std::string>& items) override;
    void SelectGroupRadioItem(int group) override;
    int SelectedGroup() const override;

private:
    GroupingPage& page_;
};

}  // namespace vx::ui
