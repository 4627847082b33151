// Group editing as a table of operations, with the resulting tables and lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "RoutingRig.h"

namespace vx {
namespace {

using test::RoutingRig;
using Lines = std::vector<std::string>;
constexpr byte N = NO_INPUT;

// One operator action on the Grouping page; groups, inputs and outputs 0-based.
struct Op {
    enum Kind { Show, Input, Output, Remove, RemoveAll } kind;
    int index = 0;  // group for Show, input or output for Input/Output
};
Op Show(int g) { return {Op::Show, g}; }
Op In(int i) { return {Op::Input, i}; }
Op Out(int o) { return {Op::Output, o}; }
Op Remove() { return {Op::Remove}; }
Op RemoveAll() { return {Op::RemoveAll}; }

void Apply(RoutingRig& rig, const Op& op) {
    switch (op.kind) {
        case Op::Show:
            rig.groupingView.selected = op.index;
            rig.grouping.GroupingRadioGroupClick();
            break;
        case Op::Input: rig.grouping.GroupInputButtonClick(op.index); break;
        case Op::Output: rig.grouping.GroupOutputButtonClick(op.index); break;
        case Op::Remove: rig.grouping.GroupingRemoveButtonClick(); break;
        case Op::RemoveAll: rig.grouping.GroupingRemoveAllButtonClick(); break;
    }
}

struct Membership {
    int group;
    std::vector<int> outputs;
    std::vector<int> inputs;
};

struct GroupCase {
    const char* name;
    std::vector<Op> setup;  // run first; its lines are not checked
    std::vector<Op> ops;
    Lines sent;
    std::vector<Membership> groups;  // every group not listed is empty
    bool hint;
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }

class GroupEditTable : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupEditTable, OperationsGiveTheTablesAndLines) {
    const GroupCase& c = GetParam();
    RoutingRig rig;
    rig.grouping.InitGroups();
    for (const Op& op : c.setup) Apply(rig, op);
    rig.ForgetLines();

    for (const Op& op : c.ops) Apply(rig, op);

    EXPECT_EQ(rig.Lines(), c.sent);
    EXPECT_EQ(rig.groupingView.hintVisible, c.hint);
    const GroupTables& t = rig.model.Groups;
    for (int g = 0; g < GroupCount; ++g) {
        Membership want{g, {}, {}};
        for (const Membership& m : c.groups)
            if (m.group == g) want = m;
        const int outs = static_cast<int>(want.outputs.size());
        const int ins = static_cast<int>(want.inputs.size());
        EXPECT_EQ(t.OutputCounts[g], outs) << "group " << g + 1;
        EXPECT_EQ(t.InputCounts[g], ins) << "group " << g + 1;
        EXPECT_EQ(t.MemberCounts[g], outs + ins) << "group " << g + 1;
        for (int i = 0; i < MaxInputs; ++i) {
            const bool member = std::find(want.inputs.begin(), want.inputs.end(), i) != want.inputs.end();
            EXPECT_EQ(t.InputMembers[g][i], member ? g : N) << "group " << g + 1 << " input " << i + 1;
        }
        for (int o : want.outputs) EXPECT_EQ(t.OutputGroups[o], g) << "output " << o + 1;
        EXPECT_EQ(rig.groupingView.existChecked[g], outs > 0) << "exist box " << g + 1;
    }
    int grouped = 0;
    for (int o = 0; o < MaxOutputs; ++o) grouped += t.OutputGroups[o] != N;
    int listed = 0;
    for (const Membership& m : c.groups) listed += static_cast<int>(m.outputs.size());
    EXPECT_EQ(grouped, listed) << "no other output is in a group";
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Grouping, GroupEditTable,
    ::testing::Values(
        GroupCase{"AddOutput", {}, {Show(0), Out(2)}, {"GADD 1 3 101"}, {{0, {2}, {}}}, false},
        GroupCase{"AddInputToGroupWithoutOutput_ShowsHint", {}, {Show(1), In(4)}, {}, {}, true},
        GroupCase{"AddingAnOutputHidesTheHint", {Show(1), In(4)}, {Out(0)}, {"GADD 2 1 101"}, {{1, {0}, {}}}, false},
        GroupCase{"RadioClickHidesTheHint", {Show(1), In(4)}, {Show(1)}, {}, {}, false},
        GroupCase{"AddInput", {Show(1), Out(0)}, {In(4)}, {"GADD 2 101 5"}, {{1, {0}, {4}}}, false},
        GroupCase{"RemoveInput", {Show(1), Out(0), In(4)}, {In(4)}, {"GDEL 2 101 5"}, {{1, {0}, {}}}, false},
        GroupCase{"RemoveOneOfTwoOutputs", {Show(2), Out(0), Out(15)}, {Out(0)}, {"GDEL 3 1 101"}, {{2, {15}, {}}},
                  false},
        GroupCase{"RemoveLastOutput_ClearsGroupWithItsInputs",
                  {Show(3), Out(6), In(0), In(1)},
                  {Out(6)},
                  {"GCLEAR 4"},
                  {},
                  false},
        GroupCase{"RemoveLastOutput_OtherGroupsStay",
                  {Show(0), Out(1), In(2), Show(3), Out(6), In(0)},
                  {Out(6)},
                  {"GCLEAR 4"},
                  {{0, {1}, {2}}},
                  false},
        GroupCase{"RemoveGroup", {Show(4), Out(3), Out(4), In(9)}, {Remove()}, {"GCLEAR 5"}, {}, false},
        GroupCase{"RemoveEmptyGroup_SendsNothing", {Show(0), Out(3)}, {Show(1), Remove()}, {}, {{0, {3}, {}}}, false},
        GroupCase{"RemoveAllWithNoGroups_StillSendsGclear201", {}, {RemoveAll()}, {"GCLEAR 201"}, {}, false},
        GroupCase{"RemoveAll_OneGclear201",
                  {Show(0), Out(0), In(0), Show(7), Out(15), In(15)},
                  {RemoveAll()},
                  {"GCLEAR 201"},
                  {},
                  false},
        GroupCase{"GroupAgainAfterRemoval", {Show(0), Out(0), Remove()}, {Out(0), In(1)}, {"GADD 1 1 101", "GADD 1 101 2"},
                  {{0, {0}, {1}}}, false},
        GroupCase{"Group8Output16Input16", {Show(7), Out(15)}, {In(15)}, {"GADD 8 101 16"}, {{7, {15}, {15}}}, false}),
    [](const ::testing::TestParamInfo<GroupCase>& i) { return std::string(i.param.name); });

TEST(GroupingTest, ClicksWhileBusyChangeNothingAndSendNothing) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    rig.grouping.GroupOutputButtonClick(0);
    rig.ForgetLines();
    rig.model.HandlerBusy = 1;
    rig.grouping.GroupOutputButtonClick(1);
    rig.grouping.GroupInputButtonClick(1);
    rig.grouping.GroupingRemoveButtonClick();
    rig.grouping.GroupingRemoveAllButtonClick();
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.model.Groups.OutputGroups[0], 0);
    EXPECT_EQ(rig.model.Groups.OutputGroups[1], N);
    EXPECT_EQ(rig.model.Groups.MemberCounts[0], 1);
    EXPECT_EQ(rig.model.HandlerBusy, 1);
}

TEST(GroupingTest, RadioClickIsNotGuarded) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    rig.grouping.GroupOutputButtonClick(0);
    rig.model.HandlerBusy = 1;
    rig.groupingView.selected = 1;
    rig.grouping.GroupingRadioGroupClick();
    EXPECT_FALSE(rig.groupingView.outputEnabled[0]) << "group 2 shown: the output of group 1 is disabled";
}

TEST(GroupingTest, ButtonHandlersHoldBusyWhileTheySend) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    std::vector<int> busy;
    rig.tcp.onSend = [&](const std::string&) { busy.push_back(rig.model.HandlerBusy); };
    rig.grouping.GroupOutputButtonClick(0);
    rig.grouping.GroupInputButtonClick(0);
    rig.grouping.GroupingRemoveButtonClick();
    rig.grouping.GroupingRemoveAllButtonClick();
    EXPECT_EQ(busy, (std::vector<int>{1, 1, 1, 1}));
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(GroupingTest, EditsColourTheMembersOfTheGroupShown) {
    RoutingRig rig;
    rig.grouping.InitGroups();
    rig.groupingView.selected = 2;
    rig.grouping.GroupingRadioGroupClick();
    rig.grouping.GroupOutputButtonClick(5);
    rig.grouping.GroupInputButtonClick(7);
    for (int o = 0; o < MaxOutputs; ++o)
        EXPECT_EQ(rig.groupingView.outputColour[o], o == 5 ? Colour::Yellow : Colour::ButtonFace);
    for (int i = 0; i < MaxInputs; ++i)
        EXPECT_EQ(rig.groupingView.inputColour[i], i == 7 ? Colour::Yellow : Colour::ButtonFace);
    rig.grouping.GroupInputButtonClick(7);
    EXPECT_EQ(rig.groupingView.inputColour[7], Colour::ButtonFace);
    rig.grouping.GroupOutputButtonClick(5);  // last output: the group goes
    for (int o = 0; o < MaxOutputs; ++o) EXPECT_EQ(rig.groupingView.outputColour[o], Colour::ButtonFace);
}

}  // namespace
}  // namespace vx
