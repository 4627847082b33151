// The operator during a wait: actions that arrive while the panel waits for the switcher
// with events processed are ignored, and every wait ends within its own limit.
#include <gtest/gtest.h>

#include <cstring>

#include "PanelRig.h"
#include "ScriptedStatusQuery.h"
#include "link/SerialLink.h"
#include "link/WatchdogRun.h"

namespace vx {
namespace {

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

class PanelWaitTest : public testing::Test {
protected:
    // Connected over RS-232 to a switcher that answers as the fake switcher does.
    void ConnectSerial() {
        Rig().SwitcherOnCom(1);
        Rig().core.SearchAllClick();
        ASSERT_TRUE(Rig().core.Link().SerialLinkActive);
        ASSERT_EQ(m_->HandlerBusy, 0);
        Rig().prompts.messages.clear();
        Rig().fakes.serial.writes.clear();
    }
    // From now on the switcher prompts for commands but never answers a status query.
    void QueriesGoUnanswered() {
        Rig().fakes.serial.onWrite = [this](const std::string& line) {
            if (line.find("INFOVX") == std::string::npos) Rig().fakes.serial.Answer("\r\n#", 5);
        };
    }
    // Runs action once, the first time events are processed with a status query waiting.
    void OnceDuringQuery(std::function<void()> action) {
        actionRuns = 0;
        Rig().duringEvents = [this, action]() mutable {
            if (actionRuns > 0 || !Rig().core.Link().ReplyPending) return;
            ++actionRuns;
            action();
        };
    }
    // The switcher takes its time with status answers, so a query is seen waiting.
    void SlowStatusAnswers() {
        Rig().fakes.serial.onWrite = [this](const std::string& line) {
            const bool query = line.find("INFOVX") != std::string::npos;
            Rig().fakes.serial.Answer(test::FakeSwitcherAnswer(line), query ? 50 : 5);
        };
    }
    int actionRuns = 0;

    // A fresh panel, for table cases that each need one.
    void Renew() {
        holder = std::make_unique<test::PanelRig>();
        m_ = &holder->core.Model();
    }
    test::PanelRig& Rig() { return *holder; }

    std::unique_ptr<test::PanelRig> holder = std::make_unique<test::PanelRig>();
    SwitcherState* m_ = &holder->core.Model();
};

TEST_F(PanelWaitTest, ANestedWatchdogRunLeavesTheOuterWaitArmed) {
    test::FakeWatchdog timer;
    LinkState link;
    {
        WatchdogRun outer(timer, link);
        { WatchdogRun inner(timer, link); }
        EXPECT_TRUE(timer.running) << "the outer wait must keep its time limit";
    }
    EXPECT_FALSE(timer.running);
}

TEST_F(PanelWaitTest, EthernetChosenDuringAStalledSerialReadIsIgnoredAndTheReadTimesOut) {
    ConnectSerial();
    QueriesGoUnanswered();
    Rig().ipField.text = "10.0.0.5";
    OnceDuringQuery([this] {
        Rig().prompts.answers = {true};  // "disconnect the serial port and try Ethernet?"
        Rig().connection.selector = LinkChoice::Ethernet;
        Rig().core.SerialModeRadioGroupClick();
    });

    Rig().core.ReadfromVextaros1Click();

    EXPECT_TRUE(Rig().prompts.questions.empty()) << "the selector's handler did not run";
    EXPECT_EQ(Rig().connection.selector, LinkChoice::Serial) << "the selector shows the link in use";
    EXPECT_TRUE(Rig().fakes.tcp.address.empty()) << "no connect was started";
    ASSERT_FALSE(Rig().prompts.messages.empty());
    EXPECT_EQ(Rig().prompts.messages.front(), SerialTimeoutText);
    EXPECT_TRUE(Rig().core.Link().SerialLinkActive);
    EXPECT_TRUE(Rig().fakes.serial.open);
    EXPECT_FALSE(Rig().fakes.timer1.running);
    EXPECT_EQ(m_->HandlerBusy, 0) << "nothing stays locked";
    EXPECT_FALSE(Rig().core.ExchangeOpen());
}

// Each action that would send, close or change a link does nothing inside a status query;
// a check box the operator flipped for nothing shows the model's state again at once.
TEST_F(PanelWaitTest, LinkActionsInsideAStatusQueryDoNothing) {
    struct Action {
        const char* name;
        std::function<void(test::PanelRig&)> click;
        // Checked right after the ignored click, before the read redraws the page.
        std::function<void(test::PanelRig&)> afterRefusal;
    };
    const auto noCheck = [](test::PanelRig&) {};
    const std::vector<Action> actions = {
        {"Take", [](test::PanelRig& r) { r.core.TakeButtonClick(); }, noCheck},
        {"Cancel", [](test::PanelRig& r) { r.core.CancelTakeButtonClick(); }, noCheck},
        {"Clear All Routing", [](test::PanelRig& r) { r.core.ClearAllRoutingButtonClick(); }, noCheck},
        {"Open COM 2", [](test::PanelRig& r) { r.core.COMClick(2); }, noCheck},
        {"Connect to Vextaro SDI", [](test::PanelRig& r) { r.core.SearchAllClick(); }, noCheck},
        {"Disconnect Serial Communication",
         [](test::PanelRig& r) { r.core.DisconnectSerialCommunication1Click(); }, noCheck},
        {"Change IP Address", [](test::PanelRig& r) { r.core.IPAddressButtonClick(); }, noCheck},
        {"Read from Vextaro", [](test::PanelRig& r) { r.core.ReadfromVextaros1Click(); }, noCheck},
        {"Video page", [](test::PanelRig& r) { r.core.VideoPageEntered(); }, noCheck},
        {"Reclocker",
         [](test::PanelRig& r) {
             r.routing.ClickReclocker(0);
             r.core.ReclockerCheckBoxClick(0);
         },
         [](test::PanelRig& r) { EXPECT_EQ(r.routing.reclocker[0], r.core.Model().Reclockers[0] != 0); }},
        {"Front Panel Lockout",
         [](test::PanelRig& r) {
             r.setupPage.frontPanelLock = !r.setupPage.frontPanelLock;
             r.core.FrontPanelLockCheckBoxClick();
         },
         [](test::PanelRig& r) {
             EXPECT_EQ(r.setupPage.frontPanelLock, r.core.Model().Info.FrontPanelLocked != 0);
         }},
        {"Source Channel 1",
         [](test::PanelRig& r) {
             r.setupPage.viState = !r.setupPage.viState;
             r.core.VIStateCheckBoxClick();
         },
         [](test::PanelRig& r) { EXPECT_EQ(r.setupPage.viState, r.core.Model().Info.VIState != 0); }},
    };
    for (const Action& a : actions) {
        SCOPED_TRACE(a.name);
        Renew();
        ConnectSerial();
        SlowStatusAnswers();
        m_->Routes[0].Committed = 0;  // a pending route that Cancel would withdraw
        Rig().ipField.text = "10.0.0.5";
        OnceDuringQuery([this, &a] {
            a.click(Rig());
            a.afterRefusal(Rig());
        });

        Rig().core.ReadfromVextaros1Click();

        EXPECT_EQ(actionRuns, 1) << "the action arrived inside a status query";

        // The read withdraws the pending route first, then sends nothing but its queries.
        const auto& sent = Rig().fakes.serial.writes;
        ASSERT_FALSE(sent.empty());
        EXPECT_EQ(sent.front(), "TAKE 0\r");
        for (std::size_t i = 1; i < sent.size(); ++i)
            EXPECT_NE(sent[i].find("INFOVX"), std::string::npos) << "sent inside the read: " << sent[i];
        EXPECT_TRUE(Rig().prompts.messages.empty()) << Rig().prompts.messages.front();
        EXPECT_TRUE(Rig().core.Link().SerialLinkActive);
        EXPECT_EQ(Rig().fakes.serial.selected, 1);
        EXPECT_EQ(m_->EventsSuppressed, 0) << "the read completed";
    }
}

// Closing the window inside a status query over TCP would pull the socket from under the
// query: the close is refused without a question and the read completes.
TEST_F(PanelWaitTest, ExitInsideATcpStatusQueryKeepsTheWindowAndTheSocket) {
    Rig().SwitcherOnTcp();
    Rig().ipField.text = "10.0.0.7";
    Rig().connection.selector = LinkChoice::Ethernet;
    Rig().core.SerialModeRadioGroupClick();
    ASSERT_EQ(m_->EthernetConnected, 1);
    Rig().prompts.messages.clear();
    Rig().prompts.questions.clear();
    Rig().prompts.answers = {true};  // "exit?" Yes, were it asked
    bool closed = true;
    Rig().duringEvents = [this, &closed, done = false]() mutable {
        if (done || !Rig().core.ExchangeOpen()) return;  // TCP waits process events only in a query
        done = true;
        closed = Rig().core.FormCloseQuery();
    };

    Rig().core.ReadfromVextaros1Click();

    EXPECT_FALSE(closed) << "the window stays open";
    EXPECT_TRUE(Rig().prompts.questions.empty());
    EXPECT_TRUE(Rig().fakes.tcp.active) << "the socket stays open";
    EXPECT_EQ(m_->EthernetConnected, 1);
    EXPECT_TRUE(Rig().prompts.messages.empty()) << Rig().prompts.messages.front();
    EXPECT_EQ(m_->EventsSuppressed, 0) << "the read completed";

    Rig().duringEvents = nullptr;
    EXPECT_TRUE(Rig().core.FormCloseQuery()) << "outside a wait the exit is asked and confirmed";
    EXPECT_FALSE(Rig().fakes.tcp.active);
}

// The group selector has already moved when its click arrives: the page shows that group
// even inside a wait.
TEST_F(PanelWaitTest, AGroupChosenInsideAStatusQueryIsShown) {
    ConnectSerial();
    m_->Groups.OutputCounts[0] = 1;  // group 1 holds output 3
    m_->Groups.OutputGroups[2] = 0;
    SlowStatusAnswers();
    OnceDuringQuery([this] {
        Rig().grouping.selected = 1;  // the operator picks group 2
        Rig().grouping.ResetTouched();
        Rig().core.GroupingRadioGroupClick();
        EXPECT_TRUE(Rig().grouping.outputTouched[2]) << "the page was drawn for the group chosen";
        EXPECT_FALSE(Rig().grouping.outputEnabled[2]) << "group 1's output is not group 2's to take";
    });

    Rig().core.ReadfromVextaros1Click();

    EXPECT_EQ(actionRuns, 1);
    EXPECT_TRUE(Rig().prompts.messages.empty()) << Rig().prompts.messages.front();
}

TEST_F(PanelWaitTest, TakeWhileAGroupAnswerArrivesInPiecesLeavesTheAnswerWhole) {
    ConnectSerial();
    std::string groups(sizeof(GroupTables), '\0');
    for (std::size_t i = 0; i < groups.size(); ++i) groups[i] = static_cast<char>(i % 7 == 0 ? 0xFC : i % 8);
    Rig().fakes.serial.onWrite = [this, groups](const std::string& line) {
        if (!StartsWith(line, "GINFOVX")) {
            Rig().fakes.serial.Answer(test::FakeSwitcherAnswer(line), 5);
            return;
        }
        const std::string answer = test::FramedAnswer(groups);
        for (std::size_t at = 0, k = 0; at < answer.size(); at += 10, ++k)
            Rig().fakes.serial.Answer(answer.substr(at, 10), 5 + static_cast<int>(k) * 30);
    };
    Rig().duringEvents = [this, done = false]() mutable {
        const auto& l = Rig().core.Link();
        if (done || !l.ReplyPending || l.ReplyWritePos == 0 ||
            std::strncmp(l.CommandLine.data(), "GINFOVX", 7) != 0)
            return;
        done = true;
        Rig().core.TakeButtonClick();
    };

    Rig().core.ReadfromVextaros1Click();

    for (const auto& line : Rig().fakes.serial.writes) EXPECT_NE(line, "TAKE 1\r");
    EXPECT_EQ(std::memcmp(&m_->Groups, groups.data(), groups.size()), 0) << "the group tables were stored whole";
    EXPECT_TRUE(Rig().prompts.messages.empty());
}

}  // namespace
}  // namespace vx
