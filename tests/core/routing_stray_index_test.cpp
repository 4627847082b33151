// Route entries, previous inputs and group tables come from the switcher and from files
// unvalidated. A stray index (not NO_INPUT, beyond the arrays) must never index an array
// or a widget: every use reads it as "none". The recording views check every widget
// index (std::array::at), and the suite runs under AddressSanitizer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RoutingRig.h"

namespace vx {
namespace {

using test::RoutingRig;
constexpr byte N = NO_INPUT;

// Input 200 in Routes, group 9 in OutputGroups, input 37 in PrevInputs, a stray cell in
// InputMembers, and group counts that do not match the tables.
void MakeStray(SwitcherState& m) {
    for (int i = 0; i < MaxOutputs; ++i) {
        m.Routes[i] = {200, static_cast<byte>(i % 2)};
        m.PrevInputs[i] = 37;
        m.Groups.OutputGroups[i] = 9;
    }
    m.Groups.OutputGroups[1] = 255;
    m.Groups.InputMembers[0][3] = 77;
    m.Groups.InputCounts[0] = 1;
    m.Groups.MemberCounts[0] = 1;
    m.Groups.InputCounts[5] = 3;  // group 6 "has inputs" but no cell names it
}

void ExpectNothingYellow(const RoutingRig& rig) {
    for (int k = 0; k < MaxInputs; ++k) EXPECT_NE(rig.routingView.inputColour[k], Colour::Yellow) << "input " << k;
    for (int k = 0; k < MaxInputs; ++k)
        EXPECT_NE(rig.groupingView.inputColour[k], Colour::Yellow) << "group input " << k;
    for (int o = 0; o < MaxOutputs; ++o)
        EXPECT_NE(rig.groupingView.outputColour[o], Colour::Yellow) << "group output " << o;
}

TEST(StrayIndexTest, RoutingPageTreatsStrayIndexesAsNone) {
    RoutingRig rig;
    MakeStray(rig.model);

    rig.display.RefreshRouting();
    for (int i = 0; i < MaxOutputs; ++i) {
        EXPECT_EQ(rig.routingView.labelText[i], "--") << i;
        EXPECT_EQ(rig.routingView.labelColour[i], i % 2 ? Colour::ButtonFace : Colour::Red) << i;
    }
    for (int o = 0; o < MaxOutputs; ++o) {
        rig.crosspoint.SelectOutput(o);
        ExpectNothingYellow(rig);
        // output in a stray group: no group, and no group has a member input
        for (int k = 0; k < MaxInputs; ++k) EXPECT_TRUE(rig.routingView.inputEnabled[k]) << o << "/" << k;
    }
    rig.crosspoint.CommitPending();
    EXPECT_EQ(rig.model.PrevInputs[0], 200) << "stored as received, only never used as an index";
    rig.crosspoint.CancelPending();
    rig.crosspoint.ClearAllRoutes();
    ExpectNothingYellow(rig);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(StrayIndexTest, WithdrawingToAStrayPreviousInputColoursNoButton) {
    RoutingRig rig;
    MakeStray(rig.model);
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(4);  // 200 -> 4, pending
    rig.crosspoint.InputButtonClick(4);  // back to the stray 37
    EXPECT_EQ(rig.model.Routes[0].Input, 37);
    EXPECT_EQ(rig.routingView.labelText[0], "--");
    ExpectNothingYellow(rig);
    rig.crosspoint.CancelTakeButtonClick();
    rig.crosspoint.TakeButtonClick();
}

TEST(StrayIndexTest, StraySelectionIsNoSelection) {
    RoutingRig rig;
    for (int sel : {16, 99, 251, 253, -1, 1 << 20}) {
        rig.model.SelectedOutput = sel;
        rig.crosspoint.InputButtonClick(3);
        rig.crosspoint.ColourInputsForOutput(sel);
        rig.crosspoint.ApplyInputGroupRule(sel);
        rig.crosspoint.SelectOutput(sel);
        rig.display.ShowOutputRoute(sel);
        rig.display.ColourOutputLabel(sel);
        rig.display.ReclockerCheckBoxClick(sel);
    }
    EXPECT_TRUE(rig.Lines().empty());
    ExpectNothingYellow(rig);
}

TEST(StrayIndexTest, CountsNeverIndexPast16) {
    RoutingRig rig;
    rig.model.OutputCount = 300;
    rig.model.InputCount = 1000;
    rig.display.RefreshRouting();
    rig.crosspoint.SelectOutput(0);
    rig.crosspoint.CancelPending();
    rig.crosspoint.ClearAllRoutes();
    rig.grouping.RefreshGroupingPage();
    rig.grouping.ToggleGroupOutput(0, 0);
    rig.grouping.RemoveAllGroups();
    rig.model.OutputCount = -5;
    rig.model.InputCount = -5;
    rig.display.RefreshRouting();
    rig.grouping.RefreshGroupingPage();
    for (int i = 0; i < MaxOutputs; ++i) EXPECT_FALSE(rig.routingView.outputEnabled[i]);
}

TEST(StrayIndexTest, GroupingPageTreatsStrayGroupsAsNone) {
    RoutingRig rig;
    MakeStray(rig.model);
    rig.grouping.RefreshGroupingPage();
    for (int g = 0; g < GroupCount; ++g) {
        rig.groupingView.selected = g;
        rig.grouping.GroupingRadioGroupClick();
        ExpectNothingYellow(rig);
        for (int o = 0; o < MaxOutputs; ++o) EXPECT_TRUE(rig.groupingView.outputEnabled[o]) << g << "/" << o;
    }
    // An output in stray group 9 joins group 1 as if free.
    rig.groupingView.selected = 0;
    rig.grouping.GroupOutputButtonClick(2);
    EXPECT_EQ(rig.model.Groups.OutputGroups[2], 0);
    EXPECT_EQ(rig.Lines(), (std::vector<std::string>{"GADD 1 3 101"}));
}

TEST(StrayIndexTest, StrayGroupFromTheSelectorIsIgnored) {
    RoutingRig rig;
    for (int g : {-1, 8, 9, 200, 252}) {
        rig.groupingView.selected = g;
        rig.grouping.GroupingRadioGroupClick();
        rig.grouping.GroupInputButtonClick(0);
        rig.grouping.GroupOutputButtonClick(0);
        rig.grouping.GroupingRemoveButtonClick();
        rig.grouping.ShowGroup(g);
    }
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

}  // namespace
}  // namespace vx
