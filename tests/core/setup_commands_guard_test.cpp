// The "Setup" page's controls when their command cannot run: no link, no first read yet,
// the handler guard held, or another wait under way.
#include <gtest/gtest.h>

#include <cstring>

#include "SetupCommandsFixture.h"

namespace vx::setup_test {
namespace {

// Each control with no link in use, before the first successful read, and while another
// action holds the handler guard: nothing is sent, nothing asked, the model stays.
TEST_F(SetupCommandsTest, ControlsAreInertWithoutALinkBeforeTheFirstReadAndWhileBusy) {
    enum class Situation { NoLink, BeforeFirstRead, Busy };
    const std::vector<Control> controls = Controls();
    for (Situation s : {Situation::NoLink, Situation::BeforeFirstRead, Situation::Busy}) {
        for (const Control& c : controls) {
            SCOPED_TRACE(testing::Message() << c.name << " / situation " << static_cast<int>(s));
            Renew();
            if (s == Situation::BeforeFirstRead) {
                // The switcher answers on COM1 but its information never arrives.
                rig().core.FormShow();
                rig().SwitcherOnCom(1);
                Answer("MINFOVX", [](const std::string&) {});
                rig().core.SearchAllClick();
                ASSERT_TRUE(rig().core.Link().SerialLinkActive);
                ASSERT_EQ(M().EventsSuppressed, 1);
            } else {
                Connect(Via::Serial);
                if (s == Situation::NoLink) rig().core.DisconnectSerialCommunication1Click();
            }
            if (s == Situation::Busy) M().HandlerBusy = 1;
            Forget();
            rig().prompts.answers = {true, true};
            const DeviceInfo infoBefore = M().Info;
            const int boxesSetBefore = rig().setupPage.boxesSet;

            c.click(*this);

            EXPECT_TRUE(Sent().empty()) << Sent().front();
            EXPECT_TRUE(rig().prompts.questions.empty());
            EXPECT_TRUE(rig().prompts.messages.empty());
            EXPECT_EQ(std::memcmp(&M().Info, &infoBefore, sizeof infoBefore), 0);
            EXPECT_EQ(rig().setupPage.boxesSet, boxesSetBefore) << "a box keeps what the click gave it";
            const bool framed = c.reset && s != Situation::Busy;
            EXPECT_EQ(rig().setupPage.menuHistory,
                      (framed ? std::vector<bool>{false, true} : std::vector<bool>{}));
            EXPECT_TRUE(rig().progress.texts.empty());
            EXPECT_EQ(M().HandlerBusy, s == Situation::Busy ? 1 : 0);
        }
    }
}

TEST_F(SetupCommandsTest, AClickedBoxKeepsItsStateWhenTheCommandCannotRun) {
    rig().core.FormShow();
    ClickLockBox();
    ClickViBox();
    EXPECT_TRUE(rig().setupPage.frontPanelLock);
    EXPECT_TRUE(rig().setupPage.viState);
    EXPECT_EQ(M().Info.FrontPanelLocked, 0);
    EXPECT_EQ(M().Info.VIState, 0);
    EXPECT_TRUE(Sent().empty());
}

// A setup control clicked while the panel waits for a status answer is ignored; so is any
// action clicked while a reset puts its progress window on the screen.
TEST_F(SetupCommandsTest, SetupControlsDuringAWaitAreIgnored) {
    for (const Control& c : Controls()) {
        SCOPED_TRACE(c.name);
        Renew();
        Connect(Via::Serial);
        rig().prompts.answers = {true, true};
        rig().duringEvents = [this, &c, done = false]() mutable {
            if (done || !rig().core.Link().ReplyPending) return;
            done = true;
            c.click(*this);
        };

        rig().core.ReadfromVextaros1Click();

        for (const auto& line : Sent())
            EXPECT_NE(line.find("INFOVX"), std::string::npos) << "sent inside the read: " << line;
        EXPECT_TRUE(rig().prompts.questions.empty());
        EXPECT_TRUE(rig().setupPage.menuHistory.empty());
        EXPECT_EQ(M().EventsSuppressed, 0) << "the read completed";
        EXPECT_EQ(M().HandlerBusy, 0);
    }

    Renew();
    Connect(Via::Serial);
    rig().prompts.answers = {true, true};
    rig().duringEvents = [this] {
        if (!rig().progress.shown) return;
        rig().core.FactoryResetButtonClick();
        ClickLockBox();
        rig().core.SystemSaveButtonClick();
        rig().core.ReadfromVextaros1Click();
    };
    rig().core.ResetButtonClick();
    EXPECT_EQ(Sent(), (Lines{"RESETVX R\r"}));
    EXPECT_EQ(rig().prompts.questions.size(), 1u);
    EXPECT_EQ(rig().setupPage.menuHistory, (std::vector<bool>{false, true}));
}

// The handler guard is free while the panel connects over TCP with the serial link still
// in use; a setup control clicked in that wait is ignored all the same.
TEST_F(SetupCommandsTest, SetupControlsDuringATcpConnectAreIgnored) {
    for (const Control& c : Controls()) {
        SCOPED_TRACE(c.name);
        Renew();
        Connect(Via::Serial);
        rig().SwitcherOnTcp();
        rig().fakes.tcp.connectOnOpen = false;
        rig().ipField.text = "10.0.0.8";
        rig().connection.selector = LinkChoice::Ethernet;
        rig().prompts.answers = {true, true};  // leave serial for Ethernet; any further question Yes
        rig().duringEvents = [this, &c, done = false]() mutable {
            if (done || !rig().core.Link().EthernetConnecting) return;
            done = true;
            EXPECT_EQ(M().HandlerBusy, 0);
            c.click(*this);
            rig().fakes.tcp.active = true;
            rig().fakes.tcp.listener->Connected();
        };

        rig().core.SerialModeRadioGroupClick();

        EXPECT_TRUE(rig().SerialCommands().empty()) << rig().SerialCommands().front();
        EXPECT_EQ(rig().prompts.questions.size(), 1u) << "only the question about leaving serial";
        EXPECT_TRUE(rig().setupPage.menuHistory.empty());
        EXPECT_EQ(M().EthernetConnected, 1);
        EXPECT_EQ(M().HandlerBusy, 0);
    }
}

}  // namespace
}  // namespace vx::setup_test
