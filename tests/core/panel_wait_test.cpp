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

// Each action that would send, close or change a link does nothing inside a status query.
TEST_F(PanelWaitTest, LinkActionsInsideAStatusQueryDoNothing) {
    const std::vector<std::pair<const char*, std::function<void(PanelCore&)>>> actions = {
        {"Take", [](PanelCore& c) { c.TakeButtonClick(); }},
        {"Cancel", [](PanelCore& c) { c.CancelTakeButtonClick(); }},
        {"Clear All Routing", [](PanelCore& c) { c.ClearAllRoutingButtonClick(); }},
        {"Open COM 2", [](PanelCore& c) { c.COMClick(2); }},
        {"Connect to Vextaro SDI", [](PanelCore& c) { c.SearchAllClick(); }},
        {"Disconnect Serial Communication", [](PanelCore& c) { c.DisconnectSerialCommunication1Click(); }},
        {"Change IP Address", [](PanelCore& c) { c.IPAddressButtonClick(); }},
        {"Read from Vextaro", [](PanelCore& c) { c.ReadfromVextaros1Click(); }},
        {"Reclocker", [](PanelCore& c) { c.ReclockerCheckBoxClick(0); }},
        {"Video page", [](PanelCore& c) { c.VideoPageEntered(); }},
    };
    for (const auto& [name, action] : actions) {
        SCOPED_TRACE(name);
        Renew();
        ConnectSerial();
        SlowStatusAnswers();
        m_->Routes[0].Committed = 0;  // a pending route that Cancel would withdraw
        Rig().ipField.text = "10.0.0.5";
        OnceDuringQuery([this, &action] { action(Rig().core); });

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
