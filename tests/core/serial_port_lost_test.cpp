// A serial port that goes away while open: a pulled USB adapter, a hung-up far end.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PanelRig.h"
#include "link/SerialLink.h"

namespace vx {
namespace {

class SerialPortLostTest : public testing::Test {
protected:
    void SetUp() override {
        rig.SwitcherOnCom(1);
        rig.core.SearchAllClick();
        ASSERT_TRUE(rig.core.Link().SerialLinkActive);
        ASSERT_EQ(m.EventsSuppressed, 0);
        rig.prompts.messages.clear();
        rig.fakes.serial.writes.clear();
    }
    void ExpectGivenUp() {
        EXPECT_EQ(m.SerialPortOpen, 0);
        EXPECT_FALSE(rig.core.Link().SerialLinkActive);
        EXPECT_FALSE(rig.fakes.serial.monitoring) << "the line lights stop";
        EXPECT_EQ(rig.comLabel.comNumber, NoComNumberText);
        EXPECT_TRUE(rig.connection.searchEnabled);
        EXPECT_FALSE(rig.connection.disconnectEnabled);
    }

    test::PanelRig rig;
    SwitcherState& m = rig.core.Model();
};

TEST_F(SerialPortLostTest, TheLossIsToldOnceAndLeavesTheClosedPortState) {
    rig.fakes.serial.Lose();
    ExpectGivenUp();
    EXPECT_FALSE(rig.connection.readEnabled);
    EXPECT_EQ(rig.prompts.messages, (std::vector<std::string>{PortLostText(1)}));

    // A read started afterwards fails at once, without waiting out the watchdog.
    const auto before = rig.fakes.clock.now;
    rig.core.ReadfromVextaros1Click();
    EXPECT_TRUE(rig.fakes.serial.writes.empty());
    EXPECT_LT(rig.fakes.clock.now - before, 1000);
    EXPECT_FALSE(rig.fakes.timer1.running);
}

TEST_F(SerialPortLostTest, AQueryWaitingOnThePortEndsAtOnce) {
    rig.fakes.serial.onWrite = [](const std::string&) {};  // the answer never comes
    rig.duringEvents = [this, done = false]() mutable {
        if (done || !rig.core.Link().ReplyPending) return;
        done = true;
        rig.fakes.serial.Lose();
    };
    const auto before = rig.fakes.clock.now;
    rig.core.ReadfromVextaros1Click();
    EXPECT_LT(rig.fakes.clock.now - before, 1000) << "not the watchdog's 9000 ms";
    ExpectGivenUp();
    ASSERT_FALSE(rig.prompts.messages.empty());
    EXPECT_EQ(rig.prompts.messages.front(), PortLostText(1));
    EXPECT_EQ(std::count(rig.prompts.messages.begin(), rig.prompts.messages.end(), PortLostText(1)), 1);
    EXPECT_FALSE(rig.fakes.timer1.running);
    EXPECT_EQ(m.HandlerBusy, 0);
}

TEST_F(SerialPortLostTest, ACommandWaitingForItsPromptEndsAtOnce) {
    rig.fakes.serial.onWrite = [this](const std::string& line) {
        if (line == "TAKE 1\r") rig.fakes.serial.Lose();
    };
    const auto before = rig.fakes.clock.now;
    rig.core.TakeButtonClick();
    EXPECT_LT(rig.fakes.clock.now - before, 1000) << "no prompt wait on a closed port";
    EXPECT_EQ(rig.fakes.serial.writes, (std::vector<std::string>{"TAKE 1\r"})) << "no retries";
    ExpectGivenUp();
}

TEST_F(SerialPortLostTest, AnEthernetLinkAlsoConnectedStaysInUse) {
    rig.fakes.tcp.active = true;
    m.EthernetConnected = 1;
    rig.connection.selector = LinkChoice::Ethernet;
    rig.fakes.serial.Lose();
    EXPECT_EQ(m.EthernetConnected, 1);
    EXPECT_TRUE(rig.connection.readEnabled);
    EXPECT_EQ(rig.connection.selector, LinkChoice::Ethernet);
}

TEST_F(SerialPortLostTest, OpenComReconnectsOnceThePortIsBack) {
    rig.fakes.serial.Lose();
    rig.prompts.messages.clear();
    rig.core.COMClick(1);
    EXPECT_TRUE(rig.core.Link().SerialLinkActive);
    EXPECT_EQ(m.SerialPortOpen, 1);
    EXPECT_EQ(rig.comLabel.comNumber, "1");
    EXPECT_TRUE(rig.prompts.messages.empty());
    EXPECT_TRUE(rig.connection.disconnectEnabled);
}

// A port lost while the probe waits for its prompt has not answered: the wait on the
// closed port that follows returns at once, and is not taken for a prompt.
TEST(SerialPortLostInConnectTest, APortLostDuringTheProbeIsNoAnswer) {
    test::PanelRig rig;
    rig.SwitcherOnCom(1);
    rig.fakes.serial.onWrite = [&](const std::string&) { rig.fakes.serial.Lose(); };
    EXPECT_EQ(rig.core.Serial().ConnectSerial(1), -1);
    EXPECT_EQ(rig.fakes.serial.writes, (std::vector<std::string>{"\r"}));
    EXPECT_FALSE(rig.core.Link().SerialLinkActive);
}

// A port lost in the prompt check that follows a connect is given up there: no read on
// the closed port, one box, the menus as the loss left them, no Open COM mark.
TEST(SerialPortLostInConnectTest, TheConnectStopsAtTheCheck) {
    const std::vector<std::pair<const char*, std::function<void(PanelCore&)>>> connects = {
        {"Connect to Vextaro SDI", [](PanelCore& c) { c.SearchAllClick(); }},
        {"Open COM 1", [](PanelCore& c) { c.COMClick(1); }},
    };
    for (const auto& [name, connect] : connects) {
        SCOPED_TRACE(name);
        test::PanelRig rig;
        rig.SwitcherOnCom(1);
        rig.connection.comChecked[1] = false;
        int returns = 0;
        rig.fakes.serial.onWrite = [&](const std::string& line) {
            if (line == "\r" && ++returns == 2) {  // the probe passed; this is the check
                rig.fakes.serial.Lose();
                return;
            }
            rig.fakes.serial.Answer(test::FakeSwitcherAnswer(line), 5);
        };

        connect(rig.core);

        EXPECT_EQ(rig.fakes.serial.writes, (std::vector<std::string>{"\r", "\r"}))
            << "no read after the loss";
        EXPECT_EQ(rig.prompts.messages, (std::vector<std::string>{PortLostText(1)}));
        EXPECT_FALSE(rig.core.Link().SerialLinkActive);
        EXPECT_FALSE(rig.fakes.serial.monitoring);
        EXPECT_FALSE(rig.connection.readEnabled);
        EXPECT_TRUE(rig.connection.searchEnabled);
        EXPECT_FALSE(rig.connection.disconnectEnabled);
        for (int n = 1; n <= 4; ++n) EXPECT_FALSE(rig.connection.comChecked[n]) << n;
        EXPECT_FALSE(rig.progress.shown);
        EXPECT_EQ(rig.core.Model().HandlerBusy, 0);
        EXPECT_FALSE(rig.fakes.timer1.running);
    }
}

}  // namespace
}  // namespace vx
