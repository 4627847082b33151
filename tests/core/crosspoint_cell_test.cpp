// What a cell of the crosspoint matrix shows, worked out from the model: the route
// states, the group rule and the marks, in colour and in words.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/SwitcherState.h"
#include "routing/CrosspointCell.h"

namespace vx {
namespace {

constexpr byte N = NO_INPUT;

struct CellCase {
    const char* name;
    RouteEntry route;  // output 1's route
    byte prev;         // its previous input
    int input;         // the cell's input index
    Colour colour;
    const char* words;
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.name;
}

class CellStates : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellStates, ColourAndWordsFollowTheRoute) {
    const CellCase& c = GetParam();
    SwitcherState m;
    m.Routes[0] = c.route;
    m.PrevInputs[0] = c.prev;
    const CrosspointCell cell = CellAt(m, 0, c.input, {});
    EXPECT_EQ(CellColour(cell), c.colour);
    EXPECT_EQ(CellWords(cell), c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, CellStates,
    ::testing::Values(
        CellCase{"in force", {4, 1}, 4, 4, Colour::Lime, "in force"},
        CellCase{"beside a route in force", {4, 1}, 4, 3, Colour::ButtonFace, "not routed"},
        CellCase{"pending", {6, 0}, 4, 6, Colour::Red, "pending"},
        CellCase{"what cancel falls back to", {6, 0}, 4, 4, Colour::ButtonFace, "previous input"},
        CellCase{"pending disconnect", {N, 0}, 4, 4, Colour::Red, "pending disconnect"},
        CellCase{"a pending disconnect leaves the rest", {N, 0}, 4, 5, Colour::ButtonFace, "not routed"},
        CellCase{"back to the previous input, still pending",
                 {4, 0},
                 4,
                 4,
                 Colour::Red,
                 "pending, previous input"},
        CellCase{"a stray input byte routes nowhere", {200, 1}, 200, 0, Colour::ButtonFace, "not routed"},
        CellCase{"a first pending route", {2, 0}, N, 2, Colour::Red, "pending"},
        CellCase{
            "a route in force has nothing to fall back to", {N, 1}, 4, 4, Colour::ButtonFace, "not routed"}));

TEST(CrosspointCellTest, TheGroupRuleGreysTheCellsItForbidsAndSaysWhichGroup) {
    SwitcherState m;
    // Group 2 (index 1) holds output 3 and inputs 1 and 4; group 5 has an output and no input.
    GroupTables& t = m.Groups;
    InitGroupTables(t);
    t.OutputGroups[2] = 1;
    t.InputMembers[1][0] = 1;
    t.InputMembers[1][3] = 1;
    t.InputCounts[1] = 2;
    t.OutputGroups[6] = 4;
    struct Case {
        int output, input;
        bool allowed;
        const char* words;
    };
    const Case cases[] = {
        {2, 0, true, "not routed"},
        {2, 4, false, "not in group 2"},
        {5, 3, false, "reserved for group 2"},  // an output in no group
        {5, 4, true, "not routed"},
        {6, 3, false, "reserved for group 2"},  // its group has no inputs: as in no group
    };
    for (const Case& c : cases) {
        const CrosspointCell cell = CellAt(m, c.output, c.input, {});
        EXPECT_EQ(cell.Allowed, c.allowed) << c.output << "," << c.input;
        EXPECT_EQ(CellWords(cell), c.words) << c.output << "," << c.input;
    }
    EXPECT_EQ(OutputRowWords(m, 2, true, {}), "selected, group 2");
    EXPECT_EQ(OutputRowWords(m, 6, false, {}), "");
}

TEST(CrosspointCellTest, MarksShowOnTheCellTheRouteIsDrawnOn) {
    SwitcherState m;
    m.Routes[0] = {5, 0};
    m.PrevInputs[0] = 2;
    OutputMarks failed;
    failed.TakeFailed = true;
    failed.Remark = "take failed: input 6 asked, input 3 in force";
    EXPECT_EQ(CellWords(CellAt(m, 0, 5, failed)), "pending, take failed: input 6 asked, input 3 in force");
    EXPECT_EQ(CellWords(CellAt(m, 0, 2, failed)), "previous input");
    EXPECT_EQ(OutputRowWords(m, 0, false, failed), "take failed: input 6 asked, input 3 in force");

    // A pending disconnect is drawn on the input being disconnected; with none, only the row says it.
    OutputMarks guarded;
    guarded.Protected = true;
    m.Routes[0] = {N, 0};
    EXPECT_EQ(CellWords(CellAt(m, 0, 2, guarded)), "pending disconnect, protected");
    m.PrevInputs[0] = N;
    for (int k = 0; k < MaxInputs; ++k) EXPECT_EQ(CellWords(CellAt(m, 0, k, guarded)), "not routed") << k;
    EXPECT_EQ(OutputRowWords(m, 0, false, guarded), "pending disconnect, protected");
}

TEST(CrosspointCellTest, CellsBeyondTheSwitchersSizeAreNotLive) {
    SwitcherState m;
    m.Info.ModelCode = 10;
    m.SetSizeFromModelCode();
    EXPECT_TRUE(CellAt(m, 7, 7, {}).Live);
    EXPECT_FALSE(CellAt(m, 8, 0, {}).Live);
    EXPECT_FALSE(CellAt(m, 0, 8, {}).Live);
    EXPECT_FALSE(CellAt(m, -1, 0, {}).Live);
    EXPECT_EQ(CellName(2, 4), "Output 3, Input 5");
}

}  // namespace
}  // namespace vx
