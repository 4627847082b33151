// The switcher-wide commands of the "Setup" page on the whole panel core: front panel
// lockout, vertical switching source, reset, factory reset, system save and recall.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "PanelRig.h"
#include "ScriptedStatusQuery.h"
#include "connection/SetupTexts.h"
#include "link/SerialLink.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

enum class Via { Serial, Tcp };
const char* NameOf(Via v) {
    return v == Via::Serial ? "serial" : "tcp";
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

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

class SetupCommandsTest : public testing::Test {
public:  // the table cases reach the panel through the fixture
    // Connected and read, over the link asked for, to a switcher that answers everything.
    void Connect(Via via) {
        rig().core.FormShow();
        if (via == Via::Serial) {
            rig().SwitcherOnCom(1);
            rig().core.SearchAllClick();
            ASSERT_TRUE(rig().core.Link().SerialLinkActive);
        } else {
            rig().SwitcherOnTcp();
            rig().ipField.text = "10.0.0.7";
            rig().connection.selector = LinkChoice::Ethernet;
            rig().core.SerialModeRadioGroupClick();
            ASSERT_EQ(M().EthernetConnected, 1);
        }
        ASSERT_EQ(M().EventsSuppressed, 0);
        ASSERT_TRUE(rig().prompts.messages.empty()) << rig().prompts.messages.front();
        Forget();
    }
    // Every line from now on is the test's.
    void Forget() {
        rig().fakes.serial.writes.clear();
        rig().fakes.tcp.sends.clear();
        rig().prompts.messages.clear();
        rig().prompts.questions.clear();
        rig().prompts.captions.clear();
        rig().setupPage.menuHistory.clear();
        rig().progress.texts.clear();
        rig().window.hourglassHistory.clear();
    }
    // The lines sent over either link, without bare returns.
    Lines Sent() const {
        Lines out = rig().SerialCommands();
        for (const auto& s : rig().fakes.tcp.sends)
            if (s != "\r") out.push_back(s);
        return out;
    }
    // Both links play the same switcher; this one changes its answer to one keyword.
    void Answer(const char* keyword, std::function<void(const std::string&)> reply) {
        auto serialBefore = rig().fakes.serial.onWrite;
        auto tcpBefore = rig().fakes.tcp.onSend;
        rig().fakes.serial.onWrite = [=](const std::string& line) {
            if (StartsWith(line, keyword))
                reply(line);
            else if (serialBefore)
                serialBefore(line);
        };
        rig().fakes.tcp.onSend = [=](const std::string& line) {
            if (StartsWith(line, keyword))
                reply(line);
            else if (tcpBefore)
                tcpBefore(line);
        };
    }
    // The operator's click: the box changes before the handler runs.
    void ClickLockBox() {
        rig().setupPage.frontPanelLock = !rig().setupPage.frontPanelLock;
        rig().core.FrontPanelLockCheckBoxClick();
    }
    void ClickViBox() {
        rig().setupPage.viState = !rig().setupPage.viState;
        rig().core.VIStateCheckBoxClick();
    }

    // A fresh panel, for table cases that each need one.
    void Renew() { holder = std::make_unique<test::PanelRig>(); }
    test::PanelRig& rig() { return *holder; }
    const test::PanelRig& rig() const { return *holder; }
    SwitcherState& M() { return holder->core.Model(); }

    std::unique_ptr<test::PanelRig> holder = std::make_unique<test::PanelRig>();
};

// The six controls of the page, each as the operator clicks it.
struct Control {
    const char* name;
    std::function<void(SetupCommandsTest&)> click;
    bool reset;
};
std::vector<Control> Controls() {
    return {
        {"Front Panel Lockout", [](SetupCommandsTest& t) { t.ClickLockBox(); }, false},
        {"Source Channel 1", [](SetupCommandsTest& t) { t.ClickViBox(); }, false},
        {"Reset", [](SetupCommandsTest& t) { t.rig().core.ResetButtonClick(); }, true},
        {"Factory Reset", [](SetupCommandsTest& t) { t.rig().core.FactoryResetButtonClick(); }, true},
        {"System Save", [](SetupCommandsTest& t) { t.rig().core.SystemSaveButtonClick(); }, false},
        {"System Recall", [](SetupCommandsTest& t) { t.rig().core.SystemRecallButtonClick(); }, false},
    };
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
}  // namespace vx
