// The switcher-wide commands of the "Setup" page on the whole panel core, over either
// link: front panel lockout, vertical switching source, reset, factory reset, system
// save and recall.
#include <gtest/gtest.h>

#include <cstring>

#include "ScriptedStatusQuery.h"
#include "SetupCommandsFixture.h"
#include "connection/SetupTexts.h"
#include "link/SerialLink.h"

namespace vx::setup_test {
namespace {

// A switcher whose information block says: locked, source channel 1, 8 x 8, its own
// address and firmware.
DeviceInfo RecalledInfo() {
    DeviceInfo info{};
    info.ModelCode = 10;
    info.FrontPanelLocked = 1;
    info.VIState = 1;
    const byte ip[4] = {192, 168, 0, 254};
    std::memcpy(info.IPAddress, ip, 4);
    std::memcpy(info.FirmwareVersion, "V2.15a", 6);
    return info;
}

class SetupCommandsOverLinkTest : public SetupCommandsTest, public testing::WithParamInterface<Via> {};

TEST_P(SetupCommandsOverLinkTest, CheckBoxesSendTheStateClickedAndTheModelFollows) {
    Connect(GetParam());
    ClickLockBox();
    EXPECT_EQ(M().Info.FrontPanelLocked, 1);
    ClickViBox();
    EXPECT_EQ(M().Info.VIState, 1);
    ClickLockBox();
    EXPECT_EQ(M().Info.FrontPanelLocked, 0);
    ClickViBox();
    EXPECT_EQ(M().Info.VIState, 0);
    EXPECT_EQ(Sent(), (Lines{"FPLOCK 1\r", "VISTATE 1\r", "FPLOCK 0\r", "VISTATE 0\r"}));
    EXPECT_TRUE(rig().prompts.messages.empty());
    EXPECT_EQ(M().HandlerBusy, 0);
}

TEST_P(SetupCommandsOverLinkTest, SystemSaveSendsUpsysWithoutAQuestion) {
    Connect(GetParam());
    rig().core.SystemSaveButtonClick();
    EXPECT_EQ(Sent(), (Lines{"UPSYS\r"}));
    EXPECT_TRUE(rig().prompts.questions.empty());
}

TEST_P(SetupCommandsOverLinkTest, SystemRecallShowsTheSwitchersInformationWithoutEchoes) {
    Connect(GetParam());
    const DeviceInfo info = RecalledInfo();
    Answer("MINFOVX", [this, info](const std::string&) {
        const std::string answer = test::FramedAnswer(test::BytesOf(info));
        if (GetParam() == Via::Serial)
            rig().fakes.serial.Answer(answer, 5);
        else
            rig().fakes.tcp.Answer(answer, 5);
    });
    const int routingCalls = rig().routing.calls;
    const std::string title = rig().routing.title;

    rig().core.SystemRecallButtonClick();

    EXPECT_EQ(Sent(), (Lines{"RSYS\r", "MINFOVX\r"})) << "no FPLOCK or VISTATE while the boxes are set";
    EXPECT_TRUE(rig().setupPage.frontPanelLock);
    EXPECT_TRUE(rig().setupPage.viState);
    EXPECT_EQ(rig().setupPage.ip, "192.168.0.254");
    EXPECT_EQ(rig().setupPage.firmware, "V2.15a");
    EXPECT_EQ(M().OutputCount, 8) << "the size follows the model code";
    EXPECT_EQ(rig().routing.calls, routingCalls) << "the routing pages wait for their next refresh";
    EXPECT_EQ(rig().routing.title, title);
    EXPECT_TRUE(rig().prompts.messages.empty());
    EXPECT_EQ(rig().window.hourglassHistory, (std::vector<bool>{true, false})) << "one hourglass for it all";
    EXPECT_EQ(M().HandlerBusy, 0);
    EXPECT_EQ(M().EventsSuppressed, 0);
}

TEST_P(SetupCommandsOverLinkTest, ResetAnsweredNoSendsNothingAndReopensTheMenus) {
    struct Case {
        const char* name;
        void (PanelCore::*click)();
        const char* question;
    };
    Connect(GetParam());
    for (const Case& c : {Case{"Reset", &PanelCore::ResetButtonClick, ResetQuestion},
                          Case{"Factory Reset", &PanelCore::FactoryResetButtonClick, FactoryResetQuestion}}) {
        SCOPED_TRACE(c.name);
        Forget();
        rig().prompts.answers = {false};

        (rig().core.*c.click)();

        EXPECT_EQ(rig().prompts.questions, (Lines{c.question}));
        EXPECT_EQ(rig().prompts.captions, (Lines{ResetCaption}));
        EXPECT_TRUE(Sent().empty());
        EXPECT_EQ(rig().setupPage.menuHistory, (std::vector<bool>{false, true}));
        EXPECT_TRUE(rig().progress.texts.empty()) << "the progress window was never used";
        EXPECT_EQ(M().HandlerBusy, 0);
    }
}

TEST_P(SetupCommandsOverLinkTest, ResetYesSendsBehindTheProgressWindowWithTheMenusClosed) {
    struct Case {
        const char* name;
        void (PanelCore::*click)();
        const char* line;
    };
    for (const Case& c : {Case{"Reset", &PanelCore::ResetButtonClick, "RESETVX R\r"},
                          Case{"Factory Reset", &PanelCore::FactoryResetButtonClick, "RESETVX F\r"}}) {
        SCOPED_TRACE(c.name);
        Renew();
        Connect(GetParam());
        const Via via = GetParam();
        // Over serial the switcher is busy resetting for 10 s, far past a normal wait.
        struct AtSend {
            bool shown = false, menusOpen = true;
            int waitTicks = 0, eventsBefore = 0;
            std::int64_t at = 0;
        } atSend;
        const int eventsAtStart = rig().fakes.events.processed;
        Answer("RESETVX", [this, via, &atSend, eventsAtStart](const std::string&) {
            atSend = {rig().progress.shown, rig().setupPage.menusEnabled, rig().core.Link().SerialWaitTicks,
                      rig().fakes.events.processed - eventsAtStart, rig().fakes.clock.now};
            if (via == Via::Serial) rig().fakes.serial.Answer("OK\r\n#", 10'000);
        });
        const Lines progressBefore = rig().progress.texts;
        const DeviceInfo infoBefore = M().Info;
        rig().prompts.answers = {true};

        (rig().core.*c.click)();

        EXPECT_EQ(Sent(), (Lines{c.line})) << "sent once, nothing read back";
        EXPECT_TRUE(atSend.shown);
        EXPECT_FALSE(atSend.menusOpen);
        EXPECT_GE(atSend.eventsBefore, 2) << "the window had its events before the thread blocks";
        ASSERT_FALSE(rig().progress.texts.empty());
        EXPECT_EQ(rig().progress.texts.back(), ResetProgressText);
        if (via == Via::Serial) {
            EXPECT_EQ(atSend.waitTicks, ResetWaitTicks);
            EXPECT_GE(rig().fakes.clock.now - atSend.at, 10'000) << "the long answer was waited out";
        } else {
            EXPECT_EQ(rig().fakes.clock.now, atSend.at) << "over TCP the reset is not waited for";
        }
        EXPECT_FALSE(rig().progress.shown);
        EXPECT_EQ(rig().setupPage.menuHistory, (std::vector<bool>{false, true}));
        EXPECT_EQ(rig().core.Link().SerialWaitTicks, NormalWaitTicks);
        EXPECT_TRUE(rig().window.pageControlEnabled);
        EXPECT_FALSE(rig().window.hourglass);
        EXPECT_EQ(M().HandlerBusy, 0);
        EXPECT_EQ(std::memcmp(&M().Info, &infoBefore, sizeof infoBefore), 0);
        EXPECT_TRUE(rig().prompts.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Links, SetupCommandsOverLinkTest, testing::Values(Via::Serial, Via::Tcp),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

TEST_F(SetupCommandsTest, SystemRecallWithoutAnAnswerShowsTheValuesTheModelHad) {
    Connect(Via::Serial);
    Answer("MINFOVX", [](const std::string&) {});
    M().Info.FrontPanelLocked = 1;
    M().Info.VIState = 0;
    rig().setupPage.viState = true;
    const DeviceInfo infoBefore = M().Info;

    rig().core.SystemRecallButtonClick();

    EXPECT_EQ(Sent(), (Lines{"RSYS\r", "MINFOVX\r"}));
    EXPECT_EQ(rig().prompts.messages, (Lines{SerialTimeoutText}));
    EXPECT_EQ(std::memcmp(&M().Info, &infoBefore, sizeof infoBefore), 0);
    EXPECT_TRUE(rig().setupPage.frontPanelLock);
    EXPECT_FALSE(rig().setupPage.viState);
    EXPECT_EQ(rig().setupPage.ip, "10.0.0.7");
    EXPECT_EQ(M().HandlerBusy, 0);
}

TEST_F(SetupCommandsTest, ResetToASilentSwitcherGivesUpAfterThreeLongWaits) {
    Connect(Via::Serial);
    Answer("RESETVX", [](const std::string&) {});
    Answer("\r", [](const std::string&) {});
    rig().prompts.answers = {true};
    const std::int64_t start = rig().fakes.clock.now;

    rig().core.FactoryResetButtonClick();

    EXPECT_EQ(rig().fakes.serial.writes, (Lines{"RESETVX F\r", "\r", "\r"}));
    const std::int64_t longWait = std::int64_t{ResetWaitTicks} * rig().core.Link().Limits.TickMs;
    EXPECT_GE(rig().fakes.clock.now - start, 3 * longWait);
    EXPECT_LE(rig().fakes.clock.now - start, 3 * (longWait + 2 * rig().core.Link().Limits.TickMs));
    EXPECT_TRUE(rig().prompts.messages.empty()) << "an unanswered command is not reported";
    EXPECT_EQ(rig().core.Link().SerialWaitTicks, NormalWaitTicks);
    EXPECT_FALSE(rig().progress.shown);
    EXPECT_TRUE(rig().setupPage.menusEnabled);
    EXPECT_EQ(M().HandlerBusy, 0);
}

}  // namespace
}  // namespace vx::setup_test
