// The routing state machine, the group rule on inputs, take, cancel, clear all.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <ostream>
#include <string>
#include <vector>

#include "RoutingRig.h"

namespace vx {
namespace {

using test::RoutingRig;
using Lines = std::vector<std::string>;
constexpr byte N = NO_INPUT;

// ---------------------------------------------------------------------------------------
// The transition table for one output (output 1, index 0), one input click.

struct InputClickCase {
    const char* name;
    RouteEntry start;
    byte prev;          // PrevInputs[0]
    int click;          // input index clicked
    RouteEntry end;
    byte endPrev;
    const char* label;  // video label text
    Colour labelColour;
    std::optional<int> yellowInput;  // the one input button shown yellow, if any
    Lines sent;
};

void PrintTo(const InputClickCase& c, std::ostream* os) { *os << c.name; }

class InputClickTable : public ::testing::TestWithParam<InputClickCase> {};

TEST_P(InputClickTable, ClickMovesTheOutputAsTheTableSays) {
    const InputClickCase& c = GetParam();
    RoutingRig rig;
    rig.model.Routes[0] = c.start;
    rig.model.PrevInputs[0] = c.prev;
    rig.crosspoint.OutputButtonClick(0);
    ASSERT_TRUE(rig.Lines().empty()) << "selecting an output sends nothing";

    rig.crosspoint.InputButtonClick(c.click);

    EXPECT_EQ(rig.model.Routes[0].Input, c.end.Input);
    EXPECT_EQ(rig.model.Routes[0].Committed, c.end.Committed);
    EXPECT_EQ(rig.model.PrevInputs[0], c.endPrev);
    EXPECT_EQ(rig.routingView.labelText[0], c.label);
    EXPECT_EQ(rig.routingView.labelColour[0], c.labelColour);
    for (int k = 0; k < MaxInputs; ++k)
        EXPECT_EQ(rig.routingView.inputColour[k], c.yellowInput == k ? Colour::Yellow : Colour::ButtonFace)
            << "input button " << k + 1;
    EXPECT_EQ(rig.Lines(), c.sent);
    EXPECT_EQ(rig.model.SelectedOutput, 0);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Routing, InputClickTable,
    ::testing::Values(
        // from nothing routed
        InputClickCase{"NothingRouted_NewInput_PendingRoute", {N, 1}, N, 4, {4, 0}, N, "5", Colour::Red, 4, {"RTEMP 1 5"}},
        // from a route in force (c == P)
        InputClickCase{"InForce_OtherInput_PendingRoute", {2, 1}, 2, 4, {4, 0}, 2, "5", Colour::Red, 4, {"RTEMP 1 5"}},
        InputClickCase{"InForce_SameInput_PendingDisconnect", {2, 1}, 2, 2, {N, 0}, 2, "--", Colour::Red, std::nullopt,
                       {"RTEMP 1 0"}},
        // from a pending route (c != P)
        InputClickCase{"Pending_SameInput_BackToPrevious", {4, 0}, 2, 4, {2, 1}, 2, "3", Colour::Lime, 2, {"TAKE 0"}},
        InputClickCase{"Pending_PreviousInput_CommittedUnchanged", {4, 0}, 2, 2, {2, 0}, 2, "3", Colour::Red, 2,
                       {"RTEMP 1 3"}},
        InputClickCase{"Pending_ThirdInput_StillPending", {4, 0}, 2, 7, {7, 0}, 2, "8", Colour::Red, 7, {"RTEMP 1 8"}},
        InputClickCase{"PendingFromNothing_SameInput_NothingRouted", {4, 0}, N, 4, {N, 1}, N, "--", Colour::ButtonFace,
                       std::nullopt, {"TAKE 0"}},
        // from a pending disconnect
        InputClickCase{"PendingDisconnect_PreviousInput_CommittedUnchanged", {N, 0}, 2, 2, {2, 0}, 2, "3", Colour::Red, 2,
                       {"RTEMP 1 3"}},
        InputClickCase{"PendingDisconnect_OtherInput_PendingRoute", {N, 0}, 2, 9, {9, 0}, 2, "10", Colour::Red, 9,
                       {"RTEMP 1 10"}},
        // a committed route that differs from the fallback: withdrawn whatever Committed holds
        InputClickCase{"CommittedButNotPrevious_SameInput_BackToPrevious", {2, 1}, 5, 2, {5, 1}, 5, "6", Colour::Lime, 5,
                       {"TAKE 0"}},
        InputClickCase{"CommittedButNotPrevious_PreviousInput_StaysCommitted", {2, 1}, 5, 5, {5, 1}, 5, "6", Colour::Lime,
                       5, {"RTEMP 1 6"}},
        // highest input number
        InputClickCase{"NothingRouted_Input16", {N, 1}, N, 15, {15, 0}, N, "16", Colour::Red, 15, {"RTEMP 1 16"}},
        // stray bytes from the switcher or a file are "none"
        InputClickCase{"StrayRouteAndPrevious_NewInput", {200, 1}, 37, 3, {3, 0}, 37, "4", Colour::Red, 3, {"RTEMP 1 4"}},
        InputClickCase{"Pending_StrayPrevious_SameInput_NoButtonYellow", {4, 0}, 37, 4, {37, 1}, 37, "--",
                       Colour::ButtonFace, std::nullopt, {"TAKE 0"}}),
    [](const ::testing::TestParamInfo<InputClickCase>& i) { return std::string(i.param.name); });

// ---------------------------------------------------------------------------------------
// Take, cancel and clear over the table's remaining rows.

TEST(CrosspointTest, TakeCommitsAPendingRouteAndAPendingDisconnect) {
    RoutingRig rig;
    rig.model.Routes[0] = {2, 1};
    rig.model.PrevInputs[0] = 2;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(2);  // pending disconnect of output 1
    rig.crosspoint.OutputButtonClick(3);
    rig.crosspoint.InputButtonClick(6);  // pending route of output 4 to input 7
    rig.ForgetLines();

    rig.crosspoint.TakeButtonClick();

    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 1"}));
    EXPECT_EQ(rig.model.Routes[0].Input, N);
    EXPECT_EQ(rig.model.Routes[0].Committed, 1);
    EXPECT_EQ(rig.model.PrevInputs[0], N);
    EXPECT_EQ(rig.routingView.labelColour[0], Colour::ButtonFace);
    EXPECT_EQ(rig.model.Routes[3].Input, 6);
    EXPECT_EQ(rig.model.Routes[3].Committed, 1);
    EXPECT_EQ(rig.model.PrevInputs[3], 6);
    EXPECT_EQ(rig.routingView.labelText[3], "7");
    EXPECT_EQ(rig.routingView.labelColour[3], Colour::Lime);
    // take leaves the selection and the button colours alone
    EXPECT_EQ(rig.model.SelectedOutput, 3);
    EXPECT_EQ(rig.routingView.outputColour[3], Colour::Yellow);
    EXPECT_EQ(rig.routingView.inputColour[6], Colour::Yellow);
    EXPECT_EQ(rig.routingView.takeLightHistory, (std::vector<bool>{true, false}));
}

TEST(CrosspointTest, TakeWithNothingPendingStillSendsTake1) {
    RoutingRig rig;
    rig.crosspoint.TakeButtonClick();
    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 1"}));
}

// "TAKE 0" withdraws every pending route on the switcher: undoing one output's change
// sends the others' pending routes again, so the switcher still holds what the page shows.
TEST(CrosspointTest, UndoingOneOutputKeepsTheOtherPendingRoutesOnTheSwitcher) {
    RoutingRig rig;
    rig.model.Routes[1] = {3, 1};
    rig.model.PrevInputs[1] = 3;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(4);
    rig.crosspoint.OutputButtonClick(1);
    rig.crosspoint.InputButtonClick(3);  // pending disconnect
    rig.crosspoint.OutputButtonClick(2);
    rig.crosspoint.InputButtonClick(6);
    rig.ForgetLines();

    rig.crosspoint.InputButtonClick(6);  // output 3's change taken back

    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 0", "RTEMP 1 5", "RTEMP 2 0"}));
    EXPECT_EQ(rig.model.Routes[0].Committed, 0);
    EXPECT_EQ(rig.model.Routes[1].Committed, 0);
    EXPECT_EQ(rig.model.Routes[2].Committed, 1);
}

TEST(CrosspointTest, CancelPutsEveryPendingOutputBackWithOneTake0) {
    RoutingRig rig;
    rig.model.Routes[1] = {3, 1};
    rig.model.PrevInputs[1] = 3;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(4);
    rig.crosspoint.OutputButtonClick(1);
    rig.crosspoint.InputButtonClick(3);  // pending disconnect
    rig.ForgetLines();

    rig.crosspoint.CancelTakeButtonClick();

    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 0"}));
    EXPECT_EQ(rig.model.Routes[0].Input, N);
    EXPECT_EQ(rig.model.Routes[0].Committed, 1);
    EXPECT_EQ(rig.routingView.labelText[0], "--");
    EXPECT_EQ(rig.routingView.labelColour[0], Colour::ButtonFace);
    EXPECT_EQ(rig.model.Routes[1].Input, 3);
    EXPECT_EQ(rig.model.Routes[1].Committed, 1);
    EXPECT_EQ(rig.routingView.labelText[1], "4");
    EXPECT_EQ(rig.routingView.labelColour[1], Colour::Lime);
    EXPECT_EQ(rig.model.SelectedOutput, N);
    for (int i = 0; i < MaxOutputs; ++i) EXPECT_EQ(rig.routingView.outputColour[i], Colour::ButtonFace);
    for (int k = 0; k < MaxInputs; ++k) EXPECT_EQ(rig.routingView.inputColour[k], Colour::ButtonFace);
}

TEST(CrosspointTest, CancelWithNothingPendingSendsNothingButDeselects) {
    RoutingRig rig;
    rig.model.Routes[2] = {4, 1};
    rig.crosspoint.OutputButtonClick(2);
    ASSERT_EQ(rig.routingView.inputColour[4], Colour::Yellow);

    rig.crosspoint.CancelTakeButtonClick();

    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.model.SelectedOutput, N);
    EXPECT_EQ(rig.routingView.outputColour[2], Colour::ButtonFace);
    EXPECT_EQ(rig.routingView.inputColour[4], Colour::ButtonFace);
}

TEST(CrosspointTest, ClearAllWithTwoPendingSendsTake0ThenClear) {
    RoutingRig rig;
    rig.model.Routes[5] = {1, 1};
    rig.model.PrevInputs[5] = 1;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(4);
    rig.crosspoint.OutputButtonClick(1);
    rig.crosspoint.InputButtonClick(5);
    rig.ForgetLines();

    rig.crosspoint.ClearAllRoutingButtonClick();

    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 0", "CLEAR"}));
    for (int i = 0; i < MaxOutputs; ++i) {
        EXPECT_EQ(rig.model.Routes[i].Input, N);
        EXPECT_EQ(rig.model.Routes[i].Committed, 1);
        EXPECT_EQ(rig.model.PrevInputs[i], N);
        EXPECT_EQ(rig.routingView.labelText[i], "--");
        EXPECT_EQ(rig.routingView.labelColour[i], Colour::ButtonFace);
        EXPECT_EQ(rig.routingView.outputColour[i], Colour::ButtonFace);
    }
    EXPECT_EQ(rig.model.SelectedOutput, N);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(CrosspointTest, ClearAllReenablesInputsTheGroupRuleDisabled) {
    RoutingRig rig;
    rig.grouping.ToggleGroupOutput(0, 0);
    rig.grouping.ToggleGroupInput(0, 2);
    rig.crosspoint.SelectOutput(0);
    ASSERT_FALSE(rig.routingView.inputEnabled[0]);
    rig.crosspoint.ClearAllRoutingButtonClick();
    for (int k = 0; k < MaxInputs; ++k) EXPECT_TRUE(rig.routingView.inputEnabled[k]) << k;
}

TEST(CrosspointTest, WorkedExampleOfTheOverview) {
    RoutingRig rig;
    rig.crosspoint.OutputButtonClick(2);
    rig.crosspoint.InputButtonClick(4);
    EXPECT_EQ(rig.routingView.labelText[2], "5");
    EXPECT_EQ(rig.routingView.labelColour[2], Colour::Red);
    rig.crosspoint.TakeButtonClick();
    EXPECT_EQ(rig.model.PrevInputs[2], 4);
    EXPECT_EQ(rig.routingView.labelColour[2], Colour::Lime);
    EXPECT_EQ(rig.Lines(), (Lines{"RTEMP 3 5", "TAKE 1"}));
}

TEST(CrosspointTest, SameSequenceOverSerialWritesTheSameLines) {
    RoutingRig rig;
    rig.tcp.active = false;
    rig.model.EthernetConnected = 0;
    rig.ConnectAnsweringSerial();
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(15);
    rig.crosspoint.TakeButtonClick();
    EXPECT_EQ(rig.serial.writes, (Lines{"RTEMP 1 16\r", "TAKE 1\r"}));
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

TEST(CrosspointTest, WithoutALinkTheModelAndDisplayChangeAllTheSame) {
    RoutingRig rig;
    rig.tcp.active = false;
    rig.model.EthernetConnected = 0;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(3);
    EXPECT_TRUE(rig.tcp.sends.empty());
    EXPECT_TRUE(rig.serial.writes.empty());
    EXPECT_EQ(rig.model.Routes[0].Input, 3);
    EXPECT_EQ(rig.routingView.labelColour[0], Colour::Red);
}

// ---------------------------------------------------------------------------------------
// Selection

TEST(CrosspointTest, InputClickWithNothingSelectedDoesNothing) {
    RoutingRig rig;
    const int before = rig.routingView.calls;
    for (int k = 0; k < MaxInputs; ++k) rig.crosspoint.InputButtonClick(k);
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.routingView.calls, before);
    for (int i = 0; i < MaxOutputs; ++i) EXPECT_EQ(rig.model.Routes[i].Input, N);
}

TEST(CrosspointTest, SelectingAnOutputColoursItAndItsInput) {
    RoutingRig rig;
    rig.model.Routes[2] = {4, 1};
    rig.crosspoint.OutputButtonClick(2);
    for (int i = 0; i < MaxOutputs; ++i)
        EXPECT_EQ(rig.routingView.outputColour[i], i == 2 ? Colour::Yellow : Colour::ButtonFace);
    for (int k = 0; k < MaxInputs; ++k)
        EXPECT_EQ(rig.routingView.inputColour[k], k == 4 ? Colour::Yellow : Colour::ButtonFace);
    EXPECT_EQ(rig.model.SelectedOutput, 2);
    EXPECT_EQ(rig.model.EventsSuppressed, 0) << "put back after the input colouring";
}

TEST(CrosspointTest, SecondClickOnTheSelectedOutputChangesNothing) {
    RoutingRig rig;
    rig.model.Routes[2] = {4, 1};
    rig.crosspoint.OutputButtonClick(2);
    rig.model.Routes[2] = {7, 1};  // would colour input 8 if the click were not ignored
    const int before = rig.routingView.calls;
    rig.crosspoint.OutputButtonClick(2);
    EXPECT_EQ(rig.routingView.calls, before);
    EXPECT_EQ(rig.routingView.inputColour[4], Colour::Yellow);
}

TEST(CrosspointTest, InputColouringKeepsEventsSuppressedAsItFoundIt) {
    RoutingRig rig;
    rig.model.EventsSuppressed = 1;
    rig.crosspoint.ColourInputsForOutput(0);
    EXPECT_EQ(rig.model.EventsSuppressed, 1);
    rig.model.EventsSuppressed = 0;
    rig.crosspoint.ColourInputsForOutput(N);
    EXPECT_EQ(rig.model.EventsSuppressed, 0);
}

TEST(CrosspointTest, InputColouringOnAnEightInputSwitcherLeavesButtons9To16Alone) {
    RoutingRig rig;
    rig.model.OutputCount = rig.model.InputCount = 8;
    rig.model.Routes[0] = {12, 1};  // stale entry beyond the live inputs
    rig.crosspoint.SelectOutput(0);
    for (int k = 8; k < MaxInputs; ++k) {
        EXPECT_FALSE(rig.routingView.inputColourTouched[k]) << k;
        EXPECT_FALSE(rig.routingView.inputEnabledTouched[k]) << k;
    }
}

// ---------------------------------------------------------------------------------------
// Guards

TEST(CrosspointTest, OutputAndInputClicksAreIgnoredWhileBusy) {
    RoutingRig rig;
    rig.crosspoint.OutputButtonClick(0);
    rig.model.HandlerBusy = 1;
    rig.crosspoint.OutputButtonClick(1);
    rig.crosspoint.InputButtonClick(3);
    rig.crosspoint.ClearAllRoutingButtonClick();
    EXPECT_EQ(rig.model.SelectedOutput, 0);
    EXPECT_EQ(rig.model.Routes[0].Input, N);
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(rig.model.HandlerBusy, 1);
}

TEST(CrosspointTest, TakeAndCancelRunEvenWhileBusy) {
    RoutingRig rig;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(3);
    rig.model.HandlerBusy = 1;
    rig.crosspoint.TakeButtonClick();
    rig.crosspoint.CancelTakeButtonClick();
    EXPECT_EQ(rig.Lines(), (Lines{"RTEMP 1 4", "TAKE 1"}));
    EXPECT_EQ(rig.model.Routes[0].Committed, 1);
    EXPECT_EQ(rig.model.SelectedOutput, N);
    EXPECT_EQ(rig.model.HandlerBusy, 1);
}

TEST(CrosspointTest, HandlersHoldBusyWhileTheySend) {
    RoutingRig rig;
    std::vector<int> busyAtSend;
    rig.tcp.onSend = [&](const std::string&) { busyAtSend.push_back(rig.model.HandlerBusy); };
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.InputButtonClick(3);
    rig.crosspoint.ClearAllRoutingButtonClick();
    rig.crosspoint.TakeButtonClick();
    EXPECT_EQ(busyAtSend, (std::vector<int>{1, 1, 1, 0})) << "RTEMP, TAKE 0, CLEAR guarded; TAKE 1 not";
    EXPECT_EQ(rig.model.HandlerBusy, 0);
}

// ---------------------------------------------------------------------------------------
// Preset preview

TEST(CrosspointTest, TakeDuringAPreviewConfirmsItWithTheLightLit) {
    RoutingRig rig;
    rig.model.PreviewActive = 1;
    bool litDuringConfirm = false;
    rig.hooks.onConfirm = [&] { litDuringConfirm = rig.routingView.takeLight; };
    rig.crosspoint.TakeButtonClick();
    EXPECT_EQ(rig.hooks.confirms, 1);
    EXPECT_TRUE(litDuringConfirm);
    EXPECT_FALSE(rig.routingView.takeLight);
    EXPECT_TRUE(rig.Lines().empty()) << "no TAKE 1 of its own";
}

TEST(CrosspointTest, CancelDuringAPreviewCancelsIt) {
    RoutingRig rig;
    rig.model.PreviewActive = 1;
    rig.crosspoint.OutputButtonClick(0);
    rig.crosspoint.CancelTakeButtonClick();
    EXPECT_EQ(rig.hooks.cancels, 1);
    EXPECT_EQ(rig.model.SelectedOutput, 0) << "the pending routes are not touched";
}

TEST(CrosspointTest, ClearAllDuringAPreviewCancelsItFirst) {
    RoutingRig rig;
    rig.model.PreviewActive = 1;
    std::vector<std::string> order;
    rig.hooks.onCancel = [&] {
        order.push_back("cancel busy=" + std::to_string(rig.model.HandlerBusy));
        rig.model.PreviewActive = 0;
    };
    rig.tcp.onSend = [&](const std::string& s) { order.push_back(s.substr(0, s.size() - 1)); };
    rig.crosspoint.ClearAllRoutingButtonClick();
    EXPECT_EQ(order, (Lines{"cancel busy=0", "CLEAR"}));
}

TEST(CrosspointTest, TakeLightGoesOutWhenTheTakeFails) {
    RoutingRig rig;
    rig.model.PreviewActive = 1;
    rig.hooks.onConfirm = [] { throw std::runtime_error("boom"); };
    EXPECT_THROW(rig.crosspoint.TakeButtonClick(), std::runtime_error);
    EXPECT_FALSE(rig.routingView.takeLight);
}

// ---------------------------------------------------------------------------------------
// The group rule on the input buttons

struct GroupRuleCase {
    const char* name;
    int outputGroup;               // group of output 1, or -1 for none
    std::vector<int> groupInputs;  // inputs of that group (or of group 2 when output 1 is in none)
    bool outputInGroupWithInputs;
    std::vector<int> enabled;  // input indexes enabled
};

void PrintTo(const GroupRuleCase& c, std::ostream* os) { *os << c.name; }

class GroupRuleTable : public ::testing::TestWithParam<GroupRuleCase> {};

std::vector<int> AllInputsExcept(std::vector<int> out) {
    std::vector<int> r;
    for (int k = 0; k < MaxInputs; ++k)
        if (std::find(out.begin(), out.end(), k) == out.end()) r.push_back(k);
    return r;
}

TEST_P(GroupRuleTable, EnablesTheInputsTheGroupsAllow) {
    const GroupRuleCase& c = GetParam();
    RoutingRig rig;
    // Group 2 (index 1) holds output 5 and the listed inputs.
    rig.grouping.ToggleGroupOutput(1, 4);
    for (int k : c.groupInputs) rig.grouping.ToggleGroupInput(1, k);
    // Group 3 (index 2) holds output 6 and no input.
    rig.grouping.ToggleGroupOutput(2, 5);
    if (c.outputGroup >= 0) rig.grouping.ToggleGroupOutput(c.outputGroup, 0);

    rig.crosspoint.SelectOutput(0);

    for (int k = 0; k < MaxInputs; ++k) {
        const bool want = std::find(c.enabled.begin(), c.enabled.end(), k) != c.enabled.end();
        EXPECT_EQ(rig.routingView.inputEnabled[k], want) << "input button " << k + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Routing, GroupRuleTable,
    ::testing::Values(GroupRuleCase{"InGroupWithInputs", 1, {0, 3}, true, {0, 3}},
                      GroupRuleCase{"InNoGroup", -1, {0, 3}, false, AllInputsExcept({0, 3})},
                      GroupRuleCase{"InGroupWithoutInputs", 2, {0, 3}, false, AllInputsExcept({0, 3})},
                      GroupRuleCase{"NoGroupHasInputs", -1, {}, false, AllInputsExcept({})}),
    [](const ::testing::TestParamInfo<GroupRuleCase>& i) { return std::string(i.param.name); });

TEST(CrosspointTest, GroupRuleStaysAfterDeselectingUntilTheNextSelection) {
    RoutingRig rig;
    rig.grouping.ToggleGroupOutput(0, 0);
    rig.grouping.ToggleGroupInput(0, 1);
    rig.crosspoint.SelectOutput(0);
    rig.crosspoint.CancelPending();
    EXPECT_FALSE(rig.routingView.inputEnabled[0]);
    EXPECT_TRUE(rig.routingView.inputEnabled[1]);
    rig.crosspoint.SelectOutput(3);
    EXPECT_TRUE(rig.routingView.inputEnabled[0]);
    EXPECT_FALSE(rig.routingView.inputEnabled[1]);
}

TEST(CrosspointTest, GroupRuleOnAnEightInputSwitcherLeavesButtons9To16Alone) {
    RoutingRig rig;
    rig.model.OutputCount = rig.model.InputCount = 8;
    rig.crosspoint.ApplyInputGroupRule(0);
    for (int k = 0; k < MaxInputs; ++k) EXPECT_EQ(rig.routingView.inputEnabledTouched[k], k < 8) << k;
}

}  // namespace
}  // namespace vx
