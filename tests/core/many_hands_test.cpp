// Many hands on one switcher: another client routes on the same switcher (the switcher
// here is the simulator's own interpreter), and the panel's lines put in force only what
// its operator asked for, never change a protected output, and the screen, the undo
// history and the log claim nothing that did not happen.
#include <gtest/gtest.h>

#include <functional>

#include "FakeActivity.h"
#include "TakeHistoryRig.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

// What the panel reads first when it must know the switcher's routes.
const Lines ReadFirst = {"OINFOVX", "OPINFOVX"};

// The lines up to the take's own, without follow mode's check that follows them.
Lines WithoutCheck(Lines sent) {
    const Lines check = {"MINFOVX", "OINFOVX", "OPINFOVX"};
    if (sent.size() >= check.size() && Lines(sent.end() - 3, sent.end()) == check) sent.resize(sent.size() - 3);
    return sent;
}

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// When the panel reads before it takes: an output protected, or follow mode on.
struct Reason {
    const char* Name;
    std::function<void(test::TakeHistoryRig&)> Set;
};

class ATakeTakesOnlyTheOperatorsRoutes : public testing::TestWithParam<Reason> {
protected:
    void SetUp() override {
        GetParam().Set(h);
        h.Sent();
    }
    test::TakeHistoryRig h;
};

TEST_P(ATakeTakesOnlyTheOperatorsRoutes, AnotherClientsPendingRouteStaysPending) {
    h.AtSwitcher("RTEMP 1 7");  // another client: output 1 from input 7, pending
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(WithoutCheck(h.Sent()), Join({{"RTEMP 3 5"}, ReadFirst, {"RTEMP 1 2", "TAKE 1", "RTEMP 1 7"}}));
    const auto& at = h.switcher.State();
    EXPECT_EQ(at.Routes[2].Input, 4);
    EXPECT_EQ(at.Routes[2].Committed, 1);
    EXPECT_EQ(at.Routes[0].Input, 6) << "the other client's route is still there";
    EXPECT_EQ(at.Routes[0].Committed, 0) << "and still pending: taken by nobody here";
    EXPECT_EQ(at.PrevInputs[0], 1);
    // The panel shows what the switcher holds.
    EXPECT_EQ(h.m.Routes[0].Input, 6);
    EXPECT_EQ(h.m.Routes[0].Committed, 0);
    EXPECT_EQ(h.m.Routes[2].Input, 4);
    EXPECT_EQ(h.m.Routes[2].Committed, 1);
    EXPECT_NE(h.Status().find("output 1"), std::string::npos) << h.Status();
    EXPECT_EQ(h.rig.core.UndoText(), "Undo Take: output 3");
}

TEST_P(ATakeTakesOnlyTheOperatorsRoutes, UndoAndRedoLeaveTheOtherClientsRouteAlone) {
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    h.AtSwitcher("RTEMP 2 9");
    h.Sent();
    h.rig.core.UndoTakeClick();
    EXPECT_EQ(WithoutCheck(h.Sent()), Join({ReadFirst, {"RTEMP 2 2", "RTEMP 3 2", "TAKE 1", "RTEMP 2 9"}}));
    const auto& at = h.switcher.State();
    EXPECT_EQ(at.Routes[2].Input, 1);
    EXPECT_EQ(at.Routes[1].Input, 8);
    EXPECT_EQ(at.Routes[1].Committed, 0);
}

TEST_P(ATakeTakesOnlyTheOperatorsRoutes, ARouterClientsRouteTakesOnlyItself) {
    h.Pend(4, 6);  // the operator's own, pending: not the client's to take
    h.AtSwitcher("RTEMP 1 7");
    h.Sent();
    const Verdict v = h.rig.core.Submit(AskRoutes({{2, 4}}, true, {Source::RouterClient, "127.0.0.1"}));
    EXPECT_TRUE(v.Done()) << v.Why;
    const auto& at = h.switcher.State();
    EXPECT_EQ(at.Routes[2].Input, 4);
    EXPECT_EQ(at.Routes[2].Committed, 1);
    EXPECT_EQ(at.Routes[0].Committed, 0) << "another client's pending route is not taken";
    EXPECT_EQ(at.Routes[3].Committed, 0) << "nor the operator's";
    EXPECT_EQ(at.Routes[3].Input, 5);
    EXPECT_EQ(h.m.Routes[3].Committed, 0);
}

TEST_P(ATakeTakesOnlyTheOperatorsRoutes, ACancelOrAWithdrawalLeavesTheOtherClientsPendingRoute) {
    h.Pend(3, 5);
    h.AtSwitcher("RTEMP 1 7");
    h.rig.core.CancelTakeButtonClick();
    EXPECT_EQ(h.switcher.State().Routes[0].Input, 6) << "\"TAKE 0\" withdrew it; it is made again";
    EXPECT_EQ(h.switcher.State().Routes[0].Committed, 0);
    EXPECT_EQ(h.switcher.State().Routes[2].Committed, 1) << "the operator's own is withdrawn";
    h.AtSwitcher("RTEMP 2 9");
    h.Pend(3, 5);
    h.rig.core.InputButtonClick(4);  // input 5 again: this output's route withdrawn
    EXPECT_EQ(h.switcher.State().Routes[1].Input, 8);
    EXPECT_EQ(h.switcher.State().Routes[1].Committed, 0);
    EXPECT_EQ(h.switcher.State().Routes[2].Committed, 1);
}

INSTANTIATE_TEST_SUITE_P(
    ManyHands, ATakeTakesOnlyTheOperatorsRoutes,
    testing::Values(Reason{"OutputProtected", [](test::TakeHistoryRig& h) { h.rig.core.ProtectOutputClick(15); }},
                    Reason{"FollowOn", [](test::TakeHistoryRig& h) { h.rig.core.SetFollow({true, 60}); }}),
    [](const testing::TestParamInfo<Reason>& info) { return std::string(info.param.Name); });

TEST(ManyHands, AProtectedOutputPendingElsewhereIsNeverPutInForceByThePanel) {
    test::TakeHistoryRig h;
    h.rig.core.ProtectOutputClick(0);
    h.AtSwitcher("RTEMP 1 7");
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(h.switcher.State().Routes[0].Committed, 0);
    EXPECT_EQ(h.switcher.State().PrevInputs[0], 1) << "input 2 stays in force on the protected output";
    // Clear All with protected outputs disconnects by hand and takes: the same care.
    h.rig.prompts.answers = {true};
    h.rig.core.ClearAllRoutingButtonClick();
    EXPECT_EQ(h.switcher.State().PrevInputs[0], 1);
    EXPECT_EQ(h.switcher.State().Routes[0].Input, 6);
    EXPECT_EQ(h.switcher.State().Routes[0].Committed, 0);
}

TEST(ManyHands, WithNothingProtectedAndFollowOffTheLinesAreAsAlways) {
    test::TakeHistoryRig h;
    h.AtSwitcher("RTEMP 1 7");
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(h.Sent(), (Lines{"RTEMP 3 5", "TAKE 1"}));
}

TEST(ManyHands, AnUndoStepHoldsOnlyWhatTheOperatorDid) {
    test::TakeHistoryRig h;
    h.rig.core.SetFollow({true, 60});
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    // Another client put input 9 in force on output 7 just before the operator's take.
    h.AtSwitcher("RTEMP 7 9");
    h.AtSwitcher("TAKE 1");
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(h.rig.core.UndoText(), "Undo Take: output 3");
    const Lines takes = sink.Of("Take");
    ASSERT_EQ(takes.size(), 1u);
    EXPECT_EQ(takes[0].find("Output 7"), std::string::npos) << takes[0];
    // Undo writes over nothing: output 7 stays as the other client left it.
    h.rig.core.UndoTakeClick();
    EXPECT_EQ(h.switcher.State().Routes[6].Input, 8);
    EXPECT_EQ(h.switcher.State().Routes[2].Input, 1);
}

TEST(ManyHands, UndoDecidesOnWhatTheSwitcherHoldsNow) {
    test::TakeHistoryRig h;
    h.rig.core.SetFollow({true, 60});
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    // Changed at the switcher since, no poll in between.
    h.AtSwitcher("RTEMP 3 9");
    h.AtSwitcher("TAKE 1");
    h.Sent();
    h.rig.core.UndoTakeClick();
    EXPECT_EQ(WithoutCheck(h.Sent()), ReadFirst) << "read, then refused: nothing written over";
    EXPECT_EQ(h.switcher.State().Routes[2].Input, 8);
    EXPECT_EQ(h.Status(), "Undo refused: output 3 changed since.");
}

// Preset 2 as the panel last read it leaves output 1 alone; stored again elsewhere since,
// it puts input 9 on output 1, which is protected here.
class ARecallDecidesOnTheSwitchersPreset : public testing::Test {
protected:
    void SetUp() override {
        h.StorePresetCopy(2, {{3, 5}});
        h.StorePresetAtSwitcher(2, {{1, 9}, {3, 5}});
        h.rig.core.ProtectOutputClick(0);
        h.Sent();
    }
    test::TakeHistoryRig h;
};

TEST_F(ARecallDecidesOnTheSwitchersPreset, ConfirmReadsItAndRefuses) {
    h.Preview(2);
    ASSERT_EQ(h.m.PreviewActive, 1) << "the panel's copy would leave output 1 alone";
    h.rig.core.PresetRecallConfirmButtonClick();
    EXPECT_EQ(h.Sent(), (Lines{"OPINFOVX", "PINFOVX 1"})) << "what is in force, then the preset";
    EXPECT_EQ(h.Status(), "Preset 2 not recalled: it would change protected output 1.");
    EXPECT_EQ(h.switcher.State().PrevInputs[0], 1);
    EXPECT_EQ(h.m.Presets[1].Routes[0].Input, 8) << "the panel's copy is the switcher's now";
}

TEST_F(ARecallDecidesOnTheSwitchersPreset, ASequenceStepReadsItAndIsSkipped) {
    h.rig.sequencing.Row(0, "2", "3");
    h.rig.sequencing.Row(1, "2", "3");
    h.rig.core.PresetSeqStartButtonClick();
    EXPECT_EQ(h.Sent(), (Lines{"OPINFOVX", "PINFOVX 1"}));
    EXPECT_EQ(h.Status(), "Sequence step skipped: preset 2 would change protected output 1.");
    EXPECT_EQ(h.switcher.State().PrevInputs[0], 1);
    EXPECT_EQ(h.m.Routes[0].Input, 1);
}

TEST_F(ARecallDecidesOnTheSwitchersPreset, AnUnreadablePresetIsNotRecalled) {
    h.Preview(2);
    h.rig.fakes.serial.onWrite = [](const std::string&) {};  // the switcher falls silent
    h.rig.core.PresetRecallConfirmButtonClick();
    EXPECT_EQ(h.Status(), "Preset 2 could not be read from the switcher: nothing was recalled.");
    EXPECT_EQ(h.switcher.State().PrevInputs[0], 1);
    for (const std::string& line : h.Sent()) EXPECT_EQ(line.rfind("RPRST", 0), std::string::npos) << line;
}

// A take whose check the switcher does not answer is not a done take: marked "not
// confirmed" until a poll answers, then confirmed or failed, and the log says which.
class AnUnansweredTake : public testing::Test {
protected:
    void SetUp() override {
        h.rig.core.SetFollow({true, 60});
        h.rig.core.AttachActivity(&env, &sink);
        // The switcher takes the lines of the take, then falls silent for the check.
        h.rig.fakes.serial.onWrite = [this](const std::string& line) {
            const std::string answer = h.switcher.Answer(line);
            if (answering) h.rig.fakes.serial.Answer(answer, 5);
            if (line.rfind("TAKE", 0) == 0) answering = false;
        };
        h.Pend(3, 5);
    }
    void AnswerAgainAndPoll() {
        answering = true;
        h.rig.fakes.followTimer.Fire();
    }
    test::TakeHistoryRig h;
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    bool answering = true;
};

TEST_F(AnUnansweredTake, IsMarkedNotConfirmedUntilAPollConfirmsIt) {
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(h.rig.follow.RemarkOf(2), OutputRemark::NotConfirmed);
    EXPECT_EQ(sink.Of("Take not confirmed").size(), 1u);
    h.rig.core.OutputButtonClick(2);  // seeing it does not confirm it
    EXPECT_EQ(h.rig.follow.RemarkOf(2), OutputRemark::NotConfirmed);
    AnswerAgainAndPoll();
    EXPECT_EQ(h.rig.follow.RemarkOf(2), OutputRemark::None);
    EXPECT_EQ(sink.Of("Take confirmed").size(), 1u);
    EXPECT_TRUE(sink.Of("Take failed").empty());
    EXPECT_TRUE(sink.Of("Changed at switcher").empty());
}

TEST_F(AnUnansweredTake, ThatTheSwitcherDidNotDoIsMarkedFailedNotChangedElsewhere) {
    // The take's line reaches the switcher, which does not carry it out.
    h.rig.fakes.serial.onWrite = [this](const std::string& line) {
        const bool take = line.rfind("TAKE", 0) == 0;
        const std::string answer = take ? h.switcher.Answer("TAKE 0") : h.switcher.Answer(line);
        if (answering) h.rig.fakes.serial.Answer(answer, 5);
        if (take) answering = false;
    };
    h.rig.core.TakeButtonClick();
    EXPECT_EQ(h.rig.follow.RemarkOf(2), OutputRemark::NotConfirmed);
    AnswerAgainAndPoll();
    EXPECT_EQ(h.rig.follow.RemarkOf(2), OutputRemark::TakeFailed);
    EXPECT_EQ(sink.Of("Take failed").size(), 1u);
    EXPECT_TRUE(sink.Of("Take confirmed").empty());
    EXPECT_TRUE(sink.Of("Changed at switcher").empty()) << "nobody else is blamed";
    EXPECT_EQ(h.m.PrevInputs[2], 1) << "the model shows what the switcher holds";
}

// A reclocker the switcher acknowledges and does not switch is marked failed and logged.
TEST(ManyHands, AReclockerTheSwitcherDidNotSwitchIsMarkedFailed) {
    test::TakeHistoryRig h;
    h.rig.core.SetFollow({true, 60});
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    h.rig.fakes.serial.onWrite = [&](const std::string& line) {
        // Acknowledged, not done.
        h.rig.fakes.serial.Answer(h.switcher.Answer(line.rfind("RCLOCK", 0) == 0 ? "RCLOCK 4 0" : line), 5);
    };
    h.rig.routing.ClickReclocker(3);
    h.rig.core.ReclockerCheckBoxClick(3);
    EXPECT_EQ(h.rig.follow.RemarkOf(3), OutputRemark::TakeFailed);
    EXPECT_EQ(h.Status(), "Reclocker of output 4 not switched on");
    EXPECT_EQ(sink.Of("Take failed").size(), 1u);
    EXPECT_EQ(h.m.Reclockers[3], 0);
}

// With follow on the screen is the switcher's: a file brings its names, never routes a
// poll would then blame on the switcher.
TEST(ManyHands, AFileOpenedWithFollowOnIsNotBlamedOnTheSwitcher) {
    test::TakeHistoryRig h;
    h.rig.prompts.savePaths = {"a.cfg"};
    h.rig.core.SaveConfigurationtoFile1Click();  // every output on input 2
    h.Pend(3, 5);
    h.rig.core.TakeButtonClick();
    h.rig.core.SetFollow({true, 60});
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    h.rig.core.AttachActivity(&env, &sink);
    h.rig.prompts.openPaths = {"a.cfg"};
    h.rig.core.OpenConfigurationFile1Click();
    EXPECT_EQ(h.m.Routes[2].Input, 4) << "the route shown is the switcher's";
    ASSERT_FALSE(h.rig.prompts.messages.empty());
    EXPECT_NE(h.rig.prompts.messages.back().find("names"), std::string::npos) << h.rig.prompts.messages.back();
    h.rig.fakes.followTimer.Fire();
    EXPECT_TRUE(sink.Of("Changed at switcher").empty());
    EXPECT_EQ(h.rig.follow.RemarkOf(2), OutputRemark::None);
}

TEST(ManyHands, ASmallerSwitcherLetsGoOfASelectionItNoLongerHas) {
    test::TakeHistoryRig h;
    h.rig.core.OutputButtonClick(11);  // output 12
    // Found 8 x 8 now (a poll or a read draws the routing side again).
    h.m.Info.ModelCode = 10;
    h.m.SetSizeFromModelCode();
    h.rig.core.Outputs().RefreshRouting();
    EXPECT_EQ(h.m.SelectedOutput, NO_INPUT);
    h.Sent();
    h.rig.core.InputButtonClick(2);
    EXPECT_TRUE(h.Sent().empty()) << "no RTEMP 12 3";
}

}  // namespace
}  // namespace vx
