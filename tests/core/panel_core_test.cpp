// The whole panel without Qt: the panel core on fake services, driven as an operator
// would drive the window.
#include <gtest/gtest.h>

#include "PanelRig.h"
#include "connection/ConnectionTexts.h"
#include "link/SerialLink.h"
#include "model/Colour.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

class PanelCoreTest : public testing::Test {
protected:
    // Start-up question answered Yes with a switcher on COM2: found, read, ready.
    void ConnectAtStartup() {
        rig.SwitcherOnCom(2);
        rig.prompts.answers = {true};
        rig.core.FormShow();
        rig.core.StartupConnection();
    }

    test::PanelRig rig;
    SwitcherState& m = rig.core.Model();
};

TEST_F(PanelCoreTest, StartupYesReadsTheSwitcherThenRouteAndTakeReachIt) {
    ConnectAtStartup();
    ASSERT_TRUE(rig.core.Link().SerialLinkActive);
    EXPECT_EQ(rig.comLabel.comNumber, "2");
    EXPECT_EQ(m.EventsSuppressed, 0) << "the first read lets check-box events through";
    EXPECT_EQ(m.HandlerBusy, 0);
    EXPECT_EQ(m.OutputCount, 16);
    EXPECT_TRUE(rig.prompts.messages.empty());
    EXPECT_EQ(rig.routing.labelText[2], "2") << "every output shows input 2 as read";

    rig.fakes.serial.writes.clear();
    rig.core.OutputButtonClick(2);
    rig.core.InputButtonClick(4);
    EXPECT_EQ(rig.routing.labelColour[2], Colour::Red);
    rig.core.TakeButtonClick();

    EXPECT_EQ(rig.SerialCommands(), (Lines{"RTEMP 3 5\r", "TAKE 1\r"}));
    EXPECT_EQ(m.Routes[2].Input, 4);
    EXPECT_EQ(m.Routes[2].Committed, 1);
    EXPECT_EQ(m.PrevInputs[2], 4);
    EXPECT_EQ(rig.routing.labelText[2], "5");
    EXPECT_EQ(rig.routing.labelColour[2], Colour::Lime);
}

TEST_F(PanelCoreTest, StartupNoLeavesThePanelUnconnectedAndQuiet) {
    rig.core.FormShow();
    rig.core.StartupConnection();
    EXPECT_EQ(rig.prompts.messages.front(), ConnectLaterText);
    EXPECT_TRUE(rig.fakes.serial.writes.empty());
    rig.core.OutputButtonClick(0);
    rig.core.InputButtonClick(3);
    rig.core.TakeButtonClick();
    EXPECT_TRUE(rig.fakes.serial.writes.empty()) << "without a link every line is dropped";
    EXPECT_EQ(m.Routes[0].Input, 3) << "the model changes stand";
}

TEST_F(PanelCoreTest, APortFailingDuringTakeIsReportedOnceAndTheTakeStandsInTheModel) {
    ConnectAtStartup();
    rig.core.OutputButtonClick(0);
    rig.core.InputButtonClick(6);
    rig.fakes.serial.failReads = true;
    rig.core.TakeButtonClick();
    EXPECT_EQ(rig.prompts.messages, (Lines{"the port failed"}));
    EXPECT_EQ(m.Routes[0].Committed, 1);
    EXPECT_EQ(m.PrevInputs[0], 6);
    EXPECT_EQ(rig.routing.labelColour[0], Colour::Lime);

    rig.prompts.messages.clear();
    rig.core.ClearAllRoutingButtonClick();
    EXPECT_EQ(rig.prompts.messages, (Lines{"the port failed"}));
    EXPECT_EQ(m.Routes[0].Input, NO_INPUT) << "the clear stands in the model";
}

TEST_F(PanelCoreTest, TheQueryingTextStaysForTheWholeReadAfterAPendingRouteIsWithdrawn) {
    ConnectAtStartup();
    rig.core.OutputButtonClick(0);
    rig.core.InputButtonClick(6);
    std::vector<std::string> statusAtQueries;
    rig.fakes.serial.onWrite = [&](const std::string& line) {
        if (line.find("INFOVX") != std::string::npos) statusAtQueries.push_back(rig.window.status);
        rig.fakes.serial.Answer(test::FakeSwitcherAnswer(line), 5);
    };
    rig.core.ReadfromVextaros1Click();
    ASSERT_FALSE(statusAtQueries.empty());
    for (const auto& status : statusAtQueries) EXPECT_EQ(status, QueryingText);
    EXPECT_EQ(rig.window.status, "") << "emptied when the read is done";
}

// The core hooks both timers itself, and each fires through the runner the window hands
// in, so that an error in a timer's handler is shown like any other.
TEST(PanelTimersTest, BothTimersReachTheCoreThroughTheRunner) {
    test::PanelRig rig;
    rig.fakes.timer1.Start();
    rig.fakes.timer1.Fire();
    EXPECT_EQ(rig.timerRuns, 1);
    EXPECT_EQ(rig.prompts.messages, Lines{SerialTimeoutText}) << "the watchdog's handler ran";
    EXPECT_FALSE(rig.fakes.timer1.running);

    rig.fakes.seqTimer.Start(1000);
    rig.fakes.seqTimer.Fire();
    EXPECT_EQ(rig.timerRuns, 2);
}

}  // namespace
}  // namespace vx
