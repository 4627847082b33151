// Undo and redo of takes on the panel core: the lines a person routing by hand would send,
// and every reason a step is refused.
#include <gtest/gtest.h>

#include <functional>

#include "TakeHistoryRig.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

class UndoTakeTest : public testing::Test {
protected:
    test::TakeHistoryRig h;
    PanelCore& core = h.rig.core;
    SwitcherState& m = h.m;
};

TEST_F(UndoTakeTest, ATakeIsPutBackAndDoneAgainWithPendingRoutesAndOneTake) {
    h.Pend(3, 5);
    h.Pend(4, 6);
    core.TakeButtonClick();
    h.Sent();
    EXPECT_EQ(core.UndoText(), "Undo Take: outputs 3, 4");
    EXPECT_TRUE(core.CanUndo());
    EXPECT_EQ(core.RedoText(), "Redo Take");
    EXPECT_FALSE(core.CanRedo());

    core.UndoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 3 2", "RTEMP 4 2", "TAKE 1"}));
    EXPECT_EQ(m.Routes[2].Input, 1);
    EXPECT_EQ(m.Routes[2].Committed, 1);
    EXPECT_EQ(m.PrevInputs[3], 1);
    EXPECT_EQ(h.rig.routing.labelText[2], "2");
    EXPECT_EQ(core.UndoText(), "Undo Take");
    EXPECT_EQ(core.RedoText(), "Redo Take: outputs 3, 4");

    core.RedoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 3 5", "RTEMP 4 6", "TAKE 1"}));
    EXPECT_EQ(m.PrevInputs[2], 4);
    EXPECT_EQ(m.PrevInputs[3], 5);
    EXPECT_EQ(core.UndoText(), "Undo Take: outputs 3, 4");
}

TEST_F(UndoTakeTest, APendingDisconnectTakenIsPutBackAsARoute) {
    h.Pend(7, 2);  // the input in force again: a pending disconnect
    core.TakeButtonClick();
    h.Sent();
    core.UndoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 7 2", "TAKE 1"}));
    core.RedoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 7 0", "TAKE 1"}));
    EXPECT_EQ(m.Routes[6].Input, NO_INPUT);
}

TEST_F(UndoTakeTest, AConfirmedPresetIsPutBackRouteByRouteWithItsReclockers) {
    h.StorePresetCopy(2, {{1, 7}, {2, 0}}, 0x0001);
    h.Preview(2);
    core.PresetRecallConfirmButtonClick();
    EXPECT_EQ(h.Sent(), (Lines{"RPRST 2 1"}));
    EXPECT_EQ(core.UndoText(), "Undo Take: preset 2, outputs 1, 2");

    core.UndoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 1 2", "RTEMP 2 2", "TAKE 1", "RCLOCK 1 0"}));
    EXPECT_EQ(m.Reclockers[0], 0);
    EXPECT_FALSE(h.rig.routing.reclocker[0]);

    core.RedoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 1 7", "RTEMP 2 0", "TAKE 1", "RCLOCK 1 1"}));
}

TEST_F(UndoTakeTest, ClearAllRoutingIsPutBackWithoutAClearOrARecall) {
    core.ClearAllRoutingButtonClick();
    EXPECT_EQ(h.Sent(), (Lines{"CLEAR"}));
    core.UndoTakeClick();
    Lines expected;
    for (int o = 1; o <= 16; ++o) expected.push_back("RTEMP " + std::to_string(o) + " 2");
    expected.push_back("TAKE 1");
    EXPECT_EQ(h.Sent(), expected);
    EXPECT_EQ(m.Routes[15].Input, 1);
    core.RedoTakeClick();
    expected.clear();
    for (int o = 1; o <= 16; ++o) expected.push_back("RTEMP " + std::to_string(o) + " 0");
    expected.push_back("TAKE 1");
    EXPECT_EQ(h.Sent(), expected);
}

TEST_F(UndoTakeTest, StepsAreUndoneNewestFirstAndANewStepDropsTheRedo) {
    h.Pend(1, 3);
    core.TakeButtonClick();
    h.Pend(1, 4);
    core.TakeButtonClick();
    h.Sent();
    core.UndoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 1 3", "TAKE 1"}));
    core.UndoTakeClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 1 2", "TAKE 1"}));
    core.RedoTakeClick();
    h.Pend(5, 9);
    core.TakeButtonClick();
    EXPECT_FALSE(core.CanRedo()) << "a new take drops what could be redone";
    EXPECT_EQ(core.UndoText(), "Undo Take: output 5");
}

TEST_F(UndoTakeTest, AtLeastFiftyTakesCanBeUndone) {
    for (int t = 0; t < 60; ++t) {
        h.Pend(1, t % 2 == 0 ? 3 : 4);
        core.TakeButtonClick();
    }
    for (int t = 0; t < 50; ++t) {
        h.Sent();
        core.UndoTakeClick();
        ASSERT_EQ(h.Sent().back(), "TAKE 1") << "undo number " << t + 1;
    }
}

TEST_F(UndoTakeTest, ATakeWithNothingPendingAndAPreviewAreNoSteps) {
    core.TakeButtonClick();
    h.StorePresetCopy(3, {{2, 5}});
    h.Preview(3);
    core.PresetRecallCancelButtonClick();
    EXPECT_FALSE(core.CanUndo());
    EXPECT_EQ(core.UndoText(), "Undo Take");
}

// Each case leaves the panel in a state where the newest take may not be put back.
struct Refusal {
    const char* name;
    std::function<void(test::TakeHistoryRig&)> arrange;
    const char* status;
    const char* menu;  // the Undo item's text afterwards
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.name;
}

class UndoRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(UndoRefusalTest, NothingIsSentAndTheStatusLineSaysWhy) {
    test::TakeHistoryRig h;
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    GetParam().arrange(h);
    h.Sent();
    h.rig.core.UndoTakeClick();
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(h.Status(), GetParam().status);
    EXPECT_EQ(h.rig.core.UndoText(), GetParam().menu);
}

INSTANTIATE_TEST_SUITE_P(
    Undo, UndoRefusalTest,
    testing::Values(
        Refusal{"RouteIsPending", [](auto& h) { h.Pend(8, 8); },
                "Undo refused: a route is pending. Take or Cancel it first.", "Undo Take: output 3"},
        Refusal{"PreviewIsOpen",
                [](auto& h) {
                    h.StorePresetCopy(1, {{9, 9}});
                    h.Preview(1);
                },
                "Undo refused: a preset preview is open. Confirm or Cancel it first.", "Undo Take: output 3"},
        Refusal{"SequenceRuns",
                [](auto& h) {
                    h.StorePresetCopy(1, {{3, 5}});  // leaves output 3 as the take left it
                    h.rig.sequencing.Row(0, "1", "3");
                    h.rig.core.PresetSeqStartButtonClick();
                },
                "Undo refused: the preset sequence is running. Stop it first.", "Undo Take: output 3"},
        Refusal{"SequenceChangedTheOutput",
                [](auto& h) {
                    h.StorePresetCopy(1, {{3, 9}});
                    h.rig.sequencing.Row(0, "1", "3");
                    h.rig.core.PresetSeqStartButtonClick();
                    h.rig.core.PresetSeqStopButtonClick();
                },
                "Undo refused: output 3 changed by the preset sequence.",
                "Undo Take: output 3 (output 3 changed by the preset sequence)"},
        Refusal{"ReadFoundTheOutputChangedAtTheSwitcher",
                [](auto& h) {
                    h.AtSwitcher("RTEMP 3 8");
                    h.AtSwitcher("TAKE 1");
                    h.rig.core.ReadfromVextaros1Click();
                },
                "Undo refused: output 3 changed at the switcher.",
                "Undo Take: output 3 (output 3 changed at the switcher)"},
        Refusal{"FollowFoundTheOutputChangedAtTheSwitcher",
                [](auto& h) {
                    h.rig.core.SetFollow({true, 2});
                    h.AtSwitcher("RTEMP 3 8");
                    h.AtSwitcher("TAKE 1");
                    h.rig.fakes.followTimer.Fire();
                    h.rig.core.SetFollow({false, 2});
                },
                "Undo refused: output 3 changed at the switcher.",
                "Undo Take: output 3 (output 3 changed at the switcher)"},
        Refusal{"GroupRuleNowForbidsTheInput",
                [](auto& h) {
                    h.rig.grouping.selected = 0;  // group 1 gets output 3 and input 5 only
                    h.rig.core.GroupingRadioGroupClick();
                    h.rig.core.GroupOutputButtonClick(2);
                    h.rig.core.GroupInputButtonClick(4);
                },
                "Undo refused: input 2 is not allowed for output 3 by its group.", "Undo Take: output 3"},
        Refusal{"OutputIsProtected", [](auto& h) { h.rig.core.ProtectOutputClick(2); },
                "Undo refused: it would change protected output 3.", "Undo Take: output 3"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(UndoNothing, WithNoStepTheStatusLineSaysSo) {
    test::TakeHistoryRig h;
    h.rig.core.UndoTakeClick();
    EXPECT_EQ(h.Status(), "Nothing to undo.");
    h.rig.core.RedoTakeClick();
    EXPECT_EQ(h.Status(), "Nothing to redo.");
    EXPECT_TRUE(h.Sent().empty());
}

TEST_F(UndoTakeTest, ARedoIsRefusedOnceAReadFindsTheOutputChangedAfterTheUndo) {
    h.Pend(3, 5);
    core.TakeButtonClick();
    core.UndoTakeClick();
    core.ReadfromVextaros1Click();  // the switcher holds input 2 there, as the undo left it
    EXPECT_TRUE(core.CanRedo());

    // Someone at the switcher puts output 3 on input 8.
    h.AtSwitcher("RTEMP 3 8");
    h.AtSwitcher("TAKE 1");
    core.ReadfromVextaros1Click();
    EXPECT_FALSE(core.CanRedo());
    EXPECT_EQ(core.RedoText(), "Redo Take: output 3 (output 3 changed at the switcher)");
    h.Sent();
    core.RedoTakeClick();
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(h.Status(), "Redo refused: output 3 changed at the switcher.");
}

TEST_F(UndoTakeTest, TheMenuHearsOfEveryChange) {
    int told = 0;
    core.OnUndoChanged([&] { ++told; });
    h.Pend(3, 5);
    core.TakeButtonClick();
    EXPECT_GT(told, 0);
}

}  // namespace
}  // namespace vx
