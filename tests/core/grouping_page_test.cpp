// What the Grouping page shows: enabling, the hint, the exist boxes, the refresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RoutingRig.h"

namespace vx {
namespace {

using test::RoutingRig;
using Lines = std::vector<std::string>;
constexpr byte N = NO_INPUT;

void Show(RoutingRig& rig, int g) {
    rig.groupingView.selected = g;
    rig.grouping.GroupingRadioGroupClick();
}

TEST(GroupingPageTest, InitGroupsEmptiesTheTablesAndShowsGroup1) {
    RoutingRig rig;
    rig.model.Groups.OutputGroups[3] = 2;
    rig.model.Groups.MemberCounts[2] = 1;
    rig.model.Groups.OutputCounts[2] = 1;
    rig.groupingView.selected = 5;
    rig.grouping.InitGroups();
    for (int o = 0; o < MaxOutputs; ++o) EXPECT_EQ(rig.model.Groups.OutputGroups[o], N);
    for (int g = 0; g < GroupCount; ++g) {
        EXPECT_EQ(rig.model.Groups.MemberCounts[g], 0);
        EXPECT_FALSE(rig.groupingView.existChecked[g]);
        EXPECT_FALSE(rig.groupingView.existEnabled[g]) << "the exist boxes start disabled";
    }
    EXPECT_EQ(rig.groupingView.selected, 0);
    for (int i = 0; i < MaxInputs; ++i) EXPECT_TRUE(rig.groupingView.inputEnabled[i]);
    for (int o = 0; o < MaxOutputs; ++o) EXPECT_TRUE(rig.groupingView.outputEnabled[o]);
    EXPECT_TRUE(rig.Lines().empty());
}

TEST(GroupingPageTest, HintForAnInputWithoutOutputThenGoneWithTheOutput) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    Show(rig, 2);
    rig.grouping.GroupInputButtonClick(4);
    EXPECT_TRUE(rig.groupingView.hintVisible);
    EXPECT_EQ(rig.model.Groups.InputCounts[2], 0);
    EXPECT_EQ(rig.model.Groups.InputMembers[2][4], N);
    EXPECT_TRUE(rig.Lines().empty());
    rig.grouping.GroupOutputButtonClick(1);
    EXPECT_FALSE(rig.groupingView.hintVisible);
}

TEST(GroupingPageTest, OtherGroupsOutputsAreDisabledAndItsInputsOnlyWhenItHasInputs) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    Show(rig, 0);
    rig.grouping.GroupOutputButtonClick(0);
    Show(rig, 1);
    EXPECT_FALSE(rig.groupingView.outputEnabled[0]) << "output of group 1 while group 2 is shown";
    for (int i = 0; i < MaxInputs; ++i) EXPECT_TRUE(rig.groupingView.inputEnabled[i]) << "group 1 has no input";
    Show(rig, 0);
    EXPECT_TRUE(rig.groupingView.outputEnabled[0]) << "its own output";
    rig.grouping.GroupInputButtonClick(6);
    Show(rig, 1);
    EXPECT_FALSE(rig.groupingView.inputEnabled[6]);
    for (int i = 0; i < MaxInputs; ++i) {
        if (i != 6) {
            EXPECT_TRUE(rig.groupingView.inputEnabled[i]) << i;
        }
    }
}

TEST(GroupingPageTest, ExistBoxesAfterARefreshNeedMembersAfterAnEditAlsoAnOutput) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    // From the switcher: group 3 has two inputs and no output.
    GroupTables& t = rig.model.Groups;
    t.MemberCounts[2] = 2;
    t.InputCounts[2] = 2;
    t.InputMembers[2][0] = 2;
    t.InputMembers[2][1] = 2;
    rig.grouping.RefreshGroupingPage();
    EXPECT_TRUE(rig.groupingView.existChecked[2]);
    for (int g = 0; g < GroupCount; ++g) {
        EXPECT_TRUE(rig.groupingView.existEnabled[g]);
        if (g != 2) {
            EXPECT_FALSE(rig.groupingView.existChecked[g]);
        }
    }
    rig.grouping.GroupOutputButtonClick(5);  // an edit of group 1
    EXPECT_FALSE(rig.groupingView.existChecked[2]);
    EXPECT_TRUE(rig.groupingView.existChecked[0]);
}

TEST(GroupingPageTest, RefreshOfAnEightByEightSwitcher) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    rig.groupingView.selected = 4;
    rig.groupingView.hintVisible = true;
    rig.model.OutputCount = rig.model.InputCount = 8;
    rig.grouping.RefreshGroupingPage();
    EXPECT_EQ(rig.groupingView.radioItems, (Lines{"Group 1", "Group 2", "Group 3", "Group 4", "Group 5", "Group 6",
                                                  "Group 7", "Group 8"}));
    EXPECT_EQ(rig.groupingView.selected, 0);
    EXPECT_FALSE(rig.groupingView.hintVisible);
    for (int i = 0; i < MaxInputs; ++i) EXPECT_EQ(rig.groupingView.inputEnabled[i], i < 8) << i;
    for (int o = 0; o < MaxOutputs; ++o) EXPECT_EQ(rig.groupingView.outputEnabled[o], o < 8) << o;

    rig.groupingView.ResetTouched();
    for (int g = 0; g < GroupCount; ++g) rig.grouping.ShowGroup(g);
    rig.grouping.GroupOutputButtonClick(0);
    rig.grouping.GroupInputButtonClick(0);
    rig.grouping.GroupingRemoveButtonClick();
    for (int i = 8; i < MaxInputs; ++i) EXPECT_FALSE(rig.groupingView.inputTouched[i]) << i;
    for (int o = 8; o < MaxOutputs; ++o) EXPECT_FALSE(rig.groupingView.outputTouched[o]) << o;
    EXPECT_TRUE(rig.Lines() == (Lines{"GADD 1 1 101", "GADD 1 101 1", "GCLEAR 1"}));
}

TEST(GroupingPageTest, RefreshSendsNothingAndShowsGroup1) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    GroupTables& t = rig.model.Groups;
    t.OutputGroups[2] = 0;
    t.OutputCounts[0] = 1;
    t.MemberCounts[0] = 1;
    rig.grouping.RefreshGroupingPage();
    EXPECT_EQ(rig.groupingView.outputColour[2], Colour::Yellow);
    EXPECT_TRUE(rig.Lines().empty());
}

TEST(GroupingPageTest, RemoveGroupLeavesItsOwnOutputsEnabledAndNoneYellow) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    Show(rig, 0);
    rig.grouping.GroupOutputButtonClick(9);
    Show(rig, 1);
    rig.grouping.GroupOutputButtonClick(2);
    rig.grouping.GroupInputButtonClick(3);
    rig.grouping.GroupingRemoveButtonClick();
    EXPECT_TRUE(rig.groupingView.outputEnabled[2]);
    EXPECT_FALSE(rig.groupingView.outputEnabled[9]) << "still in group 1";
    for (int i = 0; i < MaxInputs; ++i) EXPECT_EQ(rig.groupingView.inputColour[i], Colour::ButtonFace);
    for (int o = 0; o < MaxOutputs; ++o) EXPECT_EQ(rig.groupingView.outputColour[o], Colour::ButtonFace);
    EXPECT_FALSE(rig.groupingView.existChecked[1]);
    EXPECT_TRUE(rig.groupingView.existChecked[0]);
}

TEST(GroupingPageTest, RemoveAllLeavesEveryButtonEnabledAndNoneYellow) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    Show(rig, 0);
    rig.grouping.GroupOutputButtonClick(0);
    rig.grouping.GroupInputButtonClick(0);
    Show(rig, 5);
    rig.grouping.GroupOutputButtonClick(1);
    rig.grouping.GroupInputButtonClick(1);
    Show(rig, 2);
    rig.grouping.GroupingRemoveAllButtonClick();
    EXPECT_EQ(rig.groupingView.selected, 2) << "the radio selection is not changed";
    for (int i = 0; i < MaxInputs; ++i) {
        EXPECT_TRUE(rig.groupingView.inputEnabled[i]) << i;
        EXPECT_EQ(rig.groupingView.inputColour[i], Colour::ButtonFace) << i;
    }
    for (int o = 0; o < MaxOutputs; ++o) {
        EXPECT_TRUE(rig.groupingView.outputEnabled[o]) << o;
        EXPECT_EQ(rig.groupingView.outputColour[o], Colour::ButtonFace) << o;
    }
    for (int g = 0; g < GroupCount; ++g) EXPECT_FALSE(rig.groupingView.existChecked[g]);
}

TEST(GroupingPageTest, MembershipNeedsTheGroupsOwnIndexInTheCell) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    GroupTables& t = rig.model.Groups;
    // Group 2 "has" an input whose cell holds another group's index: not a member.
    t.InputCounts[1] = 1;
    t.MemberCounts[1] = 1;
    t.InputMembers[1][4] = 0;
    Show(rig, 0);
    EXPECT_TRUE(rig.groupingView.inputEnabled[4]);
    Show(rig, 1);
    EXPECT_EQ(rig.groupingView.inputColour[4], Colour::ButtonFace);
}

}  // namespace
}  // namespace vx
