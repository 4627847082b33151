// Follow mode over the whole panel core on fakes: the poll, what it changes and marks,
// what keeps it back, the verified takes, a silent switcher, a lost link, and the
// settings file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "FakeActivity.h"
#include "PanelRig.h"
#include "ScriptedStatusQuery.h"
#include "TempWorkingDir.h"
#include "follow/RouteWatch.h"
#include "settings/PanelSettingsFile.h"

namespace vx {
namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// A 16 x 16 switcher whose routes the test changes behind the panel's back: RTEMP makes a
// route pending, TAKE 1 puts the pending ones in force (unless told to ignore it), TAKE 0
// withdraws them; everything else is answered as the fake switcher answers it.
struct ScriptedSwitcher {
    RouteEntry routes[MaxOutputs];
    byte prev[MaxOutputs];
    bool ignoreTake = false;
    bool silent = false;

    ScriptedSwitcher() {
        for (int o = 0; o < MaxOutputs; ++o) routes[o] = {0, 1}, prev[o] = 0;
    }
    // Another client routes input k to output o and takes it.
    void RouteElsewhere(int o, int k) {
        routes[o] = {static_cast<byte>(k), 1};
        prev[o] = static_cast<byte>(k);
    }
    std::optional<std::string> Answer(const std::string& line) {
        if (silent) return std::nullopt;
        if (StartsWith(line, "OINFOVX")) return test::FramedAnswer(test::BytesOf(routes));
        if (StartsWith(line, "OPINFOVX")) return test::FramedAnswer(test::BytesOf(prev));
        int o = 0, k = 0, take = 0;
        if (std::sscanf(line.c_str(), "RTEMP %d %d", &o, &k) == 2 && o >= 1 && o <= 16)
            routes[o - 1] = {static_cast<byte>(k >= 1 && k <= 16 ? k - 1 : NO_INPUT), 0};
        if (std::sscanf(line.c_str(), "TAKE %d", &take) == 1 && !(take == 1 && ignoreTake)) {
            for (int i = 0; i < MaxOutputs; ++i) {
                if (routes[i].Committed != 0) continue;
                if (take == 1) prev[i] = routes[i].Input;
                routes[i] = {take == 1 ? routes[i].Input : prev[i], 1};
            }
        }
        return test::FakeSwitcherAnswer(line);
    }
};

class FollowTest : public testing::Test {
protected:
    void SetUp() override {
        rig.fakes.serial.availablePorts = {1};
        rig.fakes.serial.onWrite = [this](const std::string& line) {
            if (auto a = sw.Answer(line)) rig.fakes.serial.Answer(*a, 5);
        };
        rig.core.SearchAllClick();
        ASSERT_TRUE(rig.core.Link().SerialLinkActive);
        rig.prompts.messages.clear();
        rig.fakes.serial.writes.clear();
    }
    void FollowOn(int seconds = 2) { rig.core.SetFollow({true, seconds}); }
    // The follow timer fires as the event loop would fire it.
    void Tick() {
        ASSERT_TRUE(rig.fakes.followTimer.running);
        rig.fakes.followTimer.Fire();
    }
    std::vector<std::string> Lines() {
        auto lines = rig.SerialCommands();
        rig.fakes.serial.writes.clear();
        return lines;
    }
    SwitcherState& M() { return rig.core.Model(); }

    ScriptedSwitcher sw;
    test::PanelRig rig;
};

TEST_F(FollowTest, OffByDefaultNothingIsSentBetweenTheOperatorsActions) {
    EXPECT_FALSE(rig.core.Following().On());
    EXPECT_FALSE(rig.fakes.followTimer.running);
    rig.fakes.clock.now += 600'000;
    rig.fakes.events.ProcessEvents();
    EXPECT_TRUE(Lines().empty());
    // Switched on and off again, it leaves no timer behind.
    FollowOn();
    rig.core.FollowCheckBoxClick(false);
    EXPECT_FALSE(rig.fakes.followTimer.running);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(FollowTest, TheFirstPollReadsEverythingLaterOnesOnlyMatrixAndOutputs) {
    FollowOn(3);
    EXPECT_EQ(rig.fakes.followTimer.intervalMs, 3000);
    Tick();
    const std::vector<std::string> slow = Lines();
    ASSERT_GE(slow.size(), 3u);
    EXPECT_EQ(slow[0], "MINFOVX\r");
    EXPECT_EQ(slow[1], "OINFOVX\r");
    EXPECT_EQ(slow[2], "OPINFOVX\r");
    EXPECT_EQ(slow.size(), 3u + 8u + 1u + 8u) << "presets, groups and preset groups on the slow cadence";
    for (int n = 1; n < SlowPollEvery; ++n) {
        Tick();
        ASSERT_EQ(Lines(), (std::vector<std::string>{"MINFOVX\r", "OINFOVX\r"})) << "poll " << n;
    }
    Tick();
    EXPECT_EQ(Lines().size(), slow.size()) << "every SlowPollEvery-th poll is slow again";
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(FollowTest, ARouteChangedElsewhereReachesTheModelThePageAndTheStatusLine) {
    FollowOn();
    Tick();
    sw.RouteElsewhere(2, 6);
    Tick();
    EXPECT_EQ(M().Routes[2].Input, 6);
    EXPECT_EQ(M().Routes[2].Committed, 1);
    EXPECT_EQ(M().PrevInputs[2], 6) << "a changed route brings its previous input";
    EXPECT_EQ(rig.routing.labelText[2], "7");
    EXPECT_EQ(rig.follow.RemarkOf(2), OutputRemark::ChangedElsewhere);
    EXPECT_EQ(rig.follow.WordsOf(2), "changed at the switcher");
    EXPECT_EQ(rig.window.status, "Output 3 is now from input 7, changed at the switcher");
    ASSERT_EQ(rig.follow.changes.size(), 1u);
    EXPECT_EQ(rig.follow.changes[0].Before.Input, 0);
    EXPECT_EQ(rig.follow.RemarkOf(3), OutputRemark::None);
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(FollowTest, AMarkLastsUntilTheOutputIsSelectedOrAMinutePasses) {
    FollowOn();
    Tick();
    sw.RouteElsewhere(2, 6);
    sw.RouteElsewhere(4, 1);
    Tick();
    rig.core.OutputButtonClick(2);
    EXPECT_EQ(rig.follow.RemarkOf(2), OutputRemark::None) << "selected: seen";
    EXPECT_EQ(rig.follow.RemarkOf(4), OutputRemark::ChangedElsewhere);
    rig.fakes.clock.now += ChangeMarkMs;
    Tick();
    EXPECT_EQ(rig.follow.RemarkOf(4), OutputRemark::None) << "a minute later";
}

TEST_F(FollowTest, APendingRouteAnotherClientWithdrewIsShownAsTheSwitcherHasIt) {
    FollowOn();
    Tick();
    rig.core.OutputButtonClick(1);
    rig.core.InputButtonClick(4);
    ASSERT_EQ(M().Routes[1].Committed, 0);
    sw.Answer("TAKE 0\r");  // another client cancels every pending route
    Tick();
    EXPECT_EQ(M().Routes[1].Input, 0);
    EXPECT_EQ(M().Routes[1].Committed, 1);
    EXPECT_EQ(rig.routing.labelColour[1], Colour::Lime);
    EXPECT_EQ(rig.window.status, "Output 2 is now from input 1, changed at the switcher");
}

TEST_F(FollowTest, AReadKeepsThePollBackAndItRunsOnceTheReadIsOver) {
    FollowOn();
    Tick();
    Lines();
    rig.fakes.serial.onWrite = [this](const std::string& line) {
        if (auto a = sw.Answer(line)) rig.fakes.serial.Answer(*a, 40);  // a slow switcher
    };
    bool fired = false;
    rig.duringEvents = [&] {
        if (fired || !rig.core.Link().ReplyPending) return;
        fired = true;
        rig.fakes.followTimer.Fire();
    };
    rig.core.ReadfromVextaros1Click();
    ASSERT_TRUE(fired);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 20u + 2u);
    EXPECT_EQ(lines[19], "PGINFOVX 7\r") << "the read is whole; nothing came between its queries";
    EXPECT_EQ(lines[20], "MINFOVX\r");
    EXPECT_EQ(lines[21], "OINFOVX\r");
}

TEST_F(FollowTest, APreviewKeepsThePollBackUntilItIsCancelled) {
    FollowOn();
    Tick();
    rig.core.PresetsSaveButtonClick();
    rig.core.PresetButtonClick(0);
    rig.core.PresetsRecallButtonClick();
    rig.core.PresetButtonClick(0);
    ASSERT_NE(M().PreviewActive, 0);
    Lines();
    Tick();
    EXPECT_TRUE(Lines().empty()) << "nothing is read under a preview";
    rig.core.PresetRecallCancelButtonClick();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"MINFOVX\r", "OINFOVX\r"}));
}

TEST_F(FollowTest, ATakeTheSwitcherIgnoredIsMarkedFailedAndShownAsItHoldsIt) {
    FollowOn();
    Tick();
    sw.ignoreTake = true;
    rig.core.OutputButtonClick(2);
    rig.core.InputButtonClick(4);
    Lines();
    rig.core.TakeButtonClick();
    const auto lines = Lines();
    // With follow on the routes are read before the take, and checked after it.
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "OINFOVX\r");
    EXPECT_EQ(lines[1], "OPINFOVX\r");
    EXPECT_EQ(lines[2], "TAKE 1\r");
    EXPECT_EQ(lines[4], "OINFOVX\r");
    EXPECT_EQ(lines[5], "OPINFOVX\r");
    EXPECT_EQ(rig.follow.RemarkOf(2), OutputRemark::TakeFailed);
    EXPECT_EQ(rig.follow.WordsOf(2), "take failed: input 5 asked, input 1 in force");
    EXPECT_EQ(rig.window.status, "Take failed on output 3 (input 5 asked, input 1 in force)");
    EXPECT_EQ(M().Routes[2].Committed, 0) << "still pending, as the switcher holds it";
    EXPECT_EQ(rig.routing.labelColour[2], Colour::Red);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "TAKE 1\r"), 1) << "nothing is retried";

    // Taken again, and carried out this time: the mark goes.
    sw.ignoreTake = false;
    rig.core.TakeButtonClick();
    EXPECT_EQ(rig.follow.RemarkOf(2), OutputRemark::None);
    EXPECT_EQ(M().Routes[2].Committed, 1);
}

TEST_F(FollowTest, VerifiedActionsPollAtOnceAndOnlyWithFollowOn) {
    struct Case {
        const char* name;
        std::function<void(test::PanelRig&)> act;
    };
    const Case cases[] = {
        {"take", [](test::PanelRig& r) { r.core.TakeButtonClick(); }},
        {"clear all", [](test::PanelRig& r) { r.core.ClearAllRoutingButtonClick(); }},
    };
    for (const Case& c : cases) {
        rig.core.FollowCheckBoxClick(false);
        Lines();
        c.act(rig);
        for (const auto& l : Lines()) EXPECT_EQ(l.find("INFOVX"), std::string::npos) << c.name << ": " << l;
        FollowOn();
        c.act(rig);
        const auto lines = Lines();
        EXPECT_NE(std::find(lines.begin(), lines.end(), "OINFOVX\r"), lines.end()) << c.name;
        EXPECT_TRUE(rig.prompts.messages.empty()) << c.name;
    }
}

TEST_F(FollowTest, ASilentSwitcherGivesTheStatusNoteNoBoxAndTheFirstAnswerClearsIt) {
    FollowOn();
    Tick();
    sw.silent = true;
    Tick();
    EXPECT_TRUE(rig.prompts.messages.empty()) << "no box for a poll";
    EXPECT_TRUE(StartsWith(rig.window.status, "The switcher has not answered since ")) << rig.window.status;
    EXPECT_TRUE(rig.core.Following().Unanswered());
    EXPECT_TRUE(rig.fakes.followTimer.running) << "follow keeps trying";
    const std::string note = rig.window.status;
    Tick();
    EXPECT_EQ(rig.window.status, note) << "since the first poll without an answer";
    sw.silent = false;
    Tick();
    EXPECT_EQ(rig.window.status, "");
    EXPECT_FALSE(rig.core.Following().Unanswered());
}

TEST_F(FollowTest, ALostSerialPortEndsInItsOneMessageAndFollowStops) {
    FollowOn();
    Tick();
    rig.fakes.serial.onWrite = [this](const std::string& line) {
        if (auto a = sw.Answer(line)) rig.fakes.serial.Answer(*a, 50);  // a query is seen waiting
    };
    rig.duringEvents = [this] {
        if (rig.core.Link().ReplyPending && rig.fakes.serial.open) rig.fakes.serial.Lose();
    };
    Tick();
    ASSERT_EQ(rig.prompts.messages.size(), 1u);
    EXPECT_TRUE(StartsWith(rig.prompts.messages[0], "Error! The connection to COM1 was lost"));
    EXPECT_FALSE(rig.core.Following().On());
    EXPECT_FALSE(rig.fakes.followTimer.running);
    ASSERT_FALSE(rig.follow.shown.empty());
    EXPECT_FALSE(rig.follow.shown.back().On) << "the check box shows follow stopped";
}

TEST_F(FollowTest, KeysTypedWhileAPollWaitsAreHandledInOrderAfterIt) {
    FollowOn(1);
    Tick();
    Lines();
    const std::vector<KeyStroke> typed = {
        {RoutingKey::Output}, {RoutingKey::Digit, 1}, {RoutingKey::Digit, 2}, {RoutingKey::Enter},
        {RoutingKey::Input},  {RoutingKey::Digit, 5}, {RoutingKey::Enter},    {RoutingKey::Take}};
    rig.fakes.serial.onWrite = [this](const std::string& line) {
        if (auto a = sw.Answer(line)) rig.fakes.serial.Answer(*a, 50);  // a query is seen waiting
    };
    std::vector<std::string> sentBeforeKeys;
    bool delivered = false;
    rig.duringEvents = [&] {
        if (delivered || !rig.core.Link().ReplyPending) return;
        delivered = true;
        sentBeforeKeys = rig.SerialCommands();
        for (KeyStroke k : typed) EXPECT_TRUE(rig.core.VideoPageKey(k));
    };
    Tick();
    ASSERT_TRUE(delivered) << "the keys arrived inside the poll's wait";
    std::vector<std::string> routeLines;
    for (const std::string& line : Lines())
        if (line.find("INFOVX") == std::string::npos) routeLines.push_back(line);
    EXPECT_EQ(routeLines, (std::vector<std::string>{"RTEMP 12 5\r", "TAKE 1\r"}));
    for (const std::string& line : sentBeforeKeys) EXPECT_NE(line.find("INFOVX"), std::string::npos) << line;
    EXPECT_EQ(M().Routes[11].Input, 4);
    EXPECT_EQ(M().Routes[11].Committed, 1);
}

TEST_F(FollowTest, APollLeavesTheIpFieldAsTheOperatorTypesIt) {
    FollowOn();
    Tick();
    rig.setupPage.ip = "10.0.0.";  // being typed
    sw.RouteElsewhere(2, 6);
    Tick();
    ASSERT_EQ(M().Routes[2].Input, 6) << "the poll found the change and redrew the pages";
    EXPECT_EQ(rig.setupPage.ip, "10.0.0.");
}

TEST_F(FollowTest, FollowSwitchedOffWhileAPollWaitsLeavesNoMarkBehind) {
    FollowOn();
    Tick();
    sw.RouteElsewhere(2, 6);
    rig.fakes.serial.onWrite = [this](const std::string& line) {
        if (auto a = sw.Answer(line)) rig.fakes.serial.Answer(*a, 50);  // a query is seen waiting
    };
    bool off = false;
    rig.duringEvents = [&] {
        if (off || !rig.core.Link().ReplyPending) return;
        off = true;
        rig.core.FollowCheckBoxClick(false);
    };
    Tick();
    ASSERT_TRUE(off);
    EXPECT_EQ(M().Routes[2].Input, 6) << "what the poll read is in the model";
    EXPECT_EQ(rig.follow.RemarkOf(2), OutputRemark::None) << "no mark that nothing would take away";
    EXPECT_TRUE(rig.follow.changes.empty());
    EXPECT_FALSE(rig.fakes.followTimer.running);
}

// Over TCP: a dropped connection is reconnected in the background and read once.
class FollowTcpTest : public testing::Test {
protected:
    void SetUp() override {
        rig.SwitcherOnTcp();
        rig.ipField.text = "10.0.0.5";
        rig.connection.selector = LinkChoice::Ethernet;
        rig.core.SerialModeRadioGroupClick();
        ASSERT_EQ(rig.core.Model().EthernetConnected, 1);
        rig.prompts.messages.clear();
        rig.fakes.tcp.sends.clear();
        rig.core.SetFollow({true, 2});
    }
    void Drop() {
        rig.fakes.tcp.active = false;
        rig.fakes.tcp.listener->Disconnected();
        rig.fakes.tcp.listener->Error(SocketErrorKind::Disconnect);
    }
    test::PanelRig rig;
};

TEST_F(FollowTcpTest, ADroppedConnectionIsReconnectedWithGrowingPausesThenReadOnce) {
    test::FakeActivityEnvironment env;
    test::RecordingActivitySink sink;
    rig.core.AttachActivity(&env, &sink);
    // The read wrote the switcher's own address into the field: it is not the one that
    // reaches it (a forwarded port, a serial-to-TCP server).
    rig.ipField.text = "192.0.2.77";
    Drop();
    EXPECT_TRUE(rig.prompts.messages.empty()) << "the drop is handled without a box";
    EXPECT_TRUE(StartsWith(rig.window.status, "The connection to the switcher was lost at "));
    EXPECT_EQ(rig.fakes.followTimer.intervalMs, 1000);
    rig.fakes.tcp.connectOnOpen = false;  // nothing listens yet: each attempt runs out
    rig.window.hourglassHistory.clear();
    std::vector<int> pauses;
    for (int attempt = 0; attempt < 7; ++attempt) {
        // The last two find a switcher that accepts the connection and does not answer.
        if (attempt == 5) {
            rig.fakes.tcp.connectOnOpen = true;
            rig.fakes.tcp.onSend = nullptr;
        }
        rig.fakes.followTimer.Fire();
        pauses.push_back(rig.fakes.followTimer.intervalMs);
    }
    EXPECT_EQ(pauses, (std::vector<int>{2000, 4000, 8000, 16000, 30000, 30000, 30000}));
    EXPECT_TRUE(rig.prompts.messages.empty());
    EXPECT_TRUE(rig.window.hourglassHistory.empty()) << "the attempts leave the cursor alone";
    rig.SwitcherOnTcp();
    rig.fakes.tcp.sends.clear();
    rig.fakes.followTimer.Fire();
    EXPECT_EQ(rig.core.Model().EthernetConnected, 1);
    EXPECT_EQ(rig.fakes.tcp.address, "10.0.0.5") << "the address last connected to";
    EXPECT_EQ(std::count(rig.fakes.tcp.sends.begin(), rig.fakes.tcp.sends.end(), "MINFOVX\r"), 1)
        << "read once";
    EXPECT_EQ(std::count(rig.fakes.tcp.sends.begin(), rig.fakes.tcp.sends.end(), "PGINFOVX 7\r"), 1);
    EXPECT_TRUE(StartsWith(rig.window.status, "Connected to the switcher again at "));
    EXPECT_EQ(rig.fakes.followTimer.intervalMs, 2000) << "polling again at the interval";
    EXPECT_EQ(sink.Of("Link"), (std::vector<std::string>{
                                   "TCP connection dropped | lost",
                                   "Switcher answered over TCP at 10.0.0.5 after 8 attempts | reconnected"}))
        << "one record for the drop, one for the reconnection";
}

TEST_F(FollowTcpTest, ADropInsideTheReadAfterAReconnectionOpensNoBox) {
    Drop();
    int reads = 0;
    rig.fakes.tcp.onSend = [this, &reads](const std::string& line) {
        // The first read after the reconnection loses the connection a few queries in.
        if (line == "OPINFOVX\r" && reads++ == 0) {
            Drop();
            return;
        }
        rig.fakes.tcp.Answer(test::FakeSwitcherAnswer(line), 5);
    };
    rig.fakes.followTimer.Fire();
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(rig.prompts.messages.empty()) << rig.prompts.messages.front();
    EXPECT_TRUE(rig.core.Following().Reconnecting()) << "a new reconnection has begun";
    EXPECT_TRUE(StartsWith(rig.window.status, "The connection to the switcher was lost at ")) << rig.window.status;
    rig.fakes.followTimer.Fire();
    EXPECT_TRUE(rig.prompts.messages.empty()) << rig.prompts.messages.front();
    EXPECT_FALSE(rig.core.Following().Reconnecting());
    EXPECT_TRUE(StartsWith(rig.window.status, "Connected to the switcher again at ")) << rig.window.status;
}

// A followed switcher gone silent over TCP: the poll's waits let the window run, and the
// way out (follow off, another link) ends the poll at once.
TEST_F(FollowTcpTest, FollowSwitchedOffEndsASilentSwitchersPollAtOnce) {
    rig.fakes.tcp.onSend = nullptr;
    std::int64_t offAt = -1;
    rig.duringEvents = [&] {
        if (offAt >= 0 || !rig.core.ExchangeOpen()) return;
        offAt = rig.fakes.clock.now;
        rig.core.FollowCheckBoxClick(false);
    };
    rig.fakes.followTimer.Fire();
    ASSERT_GE(offAt, 0) << "the window ran during the poll's wait";
    EXPECT_LT(rig.fakes.clock.now - offAt, rig.core.Link().Limits.StreamTimeoutMs / 10)
        << "the poll did not wait out its limit";
    EXPECT_FALSE(rig.core.Following().Unanswered());
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(FollowTcpTest, AnotherLinkChosenDuringASilentSwitchersPollRunsRightAfterIt) {
    rig.fakes.tcp.onSend = nullptr;
    rig.SwitcherOnCom(1);
    int events = 0;
    bool chosen = false;
    rig.duringEvents = [&] {
        if (chosen || !rig.core.ExchangeOpen() || ++events < 3) return;
        chosen = true;
        rig.prompts.answers = {true};  // "use the serial port instead?"
        rig.connection.selector = LinkChoice::Serial;
        rig.core.SerialModeRadioGroupClick();
        EXPECT_FALSE(rig.core.Link().SerialLinkActive) << "nothing runs inside the poll";
    };
    rig.fakes.followTimer.Fire();
    ASSERT_TRUE(chosen) << "the window ran during the poll's wait";
    EXPECT_TRUE(rig.core.Link().SerialLinkActive) << "the choice ran once the poll ended";
    EXPECT_FALSE(rig.core.Following().Unanswered()) << "a poll cut short says nothing of the switcher";
    EXPECT_FALSE(rig.core.Following().Reconnecting());
}

TEST_F(FollowTcpTest, ClosingThePanelDuringASilentSwitchersPollEndsThePoll) {
    rig.fakes.tcp.onSend = nullptr;
    bool asked = false;
    rig.duringEvents = [&] {
        if (asked || !rig.core.ExchangeOpen()) return;
        asked = true;
        EXPECT_FALSE(rig.core.FormCloseQuery()) << "not inside the poll: the window asks again after it";
        EXPECT_TRUE(rig.core.Link().BackgroundCut);
    };
    rig.fakes.followTimer.Fire();
    ASSERT_TRUE(asked);
    EXPECT_FALSE(rig.core.Following().Unanswered()) << "the poll ended early and says nothing of the switcher";
    EXPECT_FALSE(rig.core.Link().BackgroundCut);
    rig.prompts.answers = {true};  // "exit?"
    EXPECT_TRUE(rig.core.FormCloseQuery());
}

TEST_F(FollowTcpTest, WhileItReconnectsAnActionThatWouldSendIsRefusedAndNothingChanges) {
    Drop();
    ASSERT_TRUE(rig.core.Following().Reconnecting());
    rig.core.OutputButtonClick(2);
    rig.core.InputButtonClick(4);
    rig.core.TakeButtonClick();
    EXPECT_EQ(rig.window.status, ReconnectingRefusedText);
    EXPECT_EQ(rig.core.Model().Routes[2].Committed, 1) << "no route shown pending or in force";
    EXPECT_FALSE(rig.core.CanUndo()) << "no undo step for what was not done";
    const Verdict v = rig.core.Submit(AskRoutes({{1, 3}}, true, {Source::RouterClient, "127.0.0.1"}));
    EXPECT_EQ(v.Result, Outcome::Refused);
    EXPECT_EQ(v.Why, ReconnectingRefusedText);
}

TEST_F(FollowTcpTest, SwitchingFollowOffOrChoosingALinkStopsTheReconnection) {
    Drop();
    rig.core.FollowCheckBoxClick(false);
    EXPECT_FALSE(rig.fakes.followTimer.running);
    rig.core.FollowCheckBoxClick(true);
    EXPECT_FALSE(rig.core.Following().Reconnecting());

    rig.fakes.tcp.active = true;
    rig.core.Model().EthernetConnected = 1;
    Drop();
    ASSERT_TRUE(rig.core.Following().Reconnecting());
    rig.SwitcherOnCom(1);
    rig.core.SearchAllClick();
    EXPECT_FALSE(rig.core.Following().Reconnecting());
}

TEST_F(FollowTcpTest, TheOperatorLeavingTcpForSerialIsNoDropToReconnect) {
    rig.SwitcherOnCom(1);
    rig.prompts.answers = {true};  // "use the serial port instead?"
    rig.connection.selector = LinkChoice::Serial;
    rig.core.SerialModeRadioGroupClick();
    ASSERT_TRUE(rig.core.Link().SerialLinkActive);
    EXPECT_FALSE(rig.fakes.tcp.active);
    EXPECT_FALSE(rig.core.Following().Reconnecting());
    for (const auto& text : rig.window.statusHistory)
        EXPECT_FALSE(StartsWith(text, "The connection to the switcher was lost")) << text;
    rig.fakes.tcp.sends.clear();
    rig.fakes.followTimer.Fire();
    EXPECT_TRUE(rig.fakes.tcp.sends.empty()) << "follow polls over serial now";
    EXPECT_FALSE(rig.SerialCommands().empty());
}

TEST(RouteWatchTest, TextsSayWhatChangedAndWhatFailed) {
    struct Case {
        RouteEntry after;
        const char* text;
    };
    const Case cases[] = {
        {{6, 1}, "Output 3 is now from input 7, changed at the switcher"},
        {{NO_INPUT, 1}, "Output 3 now has no input, changed at the switcher"},
        {{6, 0}, "Output 3 is now pending input 7, changed at the switcher"},
        {{NO_INPUT, 0}, "Output 3 now has a pending disconnect, changed at the switcher"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChangeText({2, {0, 1}, c.after}), c.text);
    EXPECT_EQ(FailedRemark({2, 4, 1}), "take failed: input 5 asked, input 2 in force");
    EXPECT_EQ(FailedText({{2, 4, 1}, {3, NO_INPUT, 0}}),
              "Take failed on output 3 (input 5 asked, input 2 in force); "
              "Take failed on output 4 (no input asked, input 1 in force)");
}

TEST(RouteWatchTest, AskedRoutesAreThoseAnActionPutInForce) {
    SwitcherState m;
    m.Routes[0] = {3, 0};  // pending before, taken by the action
    m.Routes[1] = {2, 1};  // untouched
    m.Routes[2] = {5, 1};
    const RouteSnapshot before = SnapshotRoutes(m);
    m.Routes[0].Committed = 1;
    m.Routes[2] = {NO_INPUT, 1};  // cleared by the action
    m.Routes[3] = {7, 0};         // made pending: nothing asked of it yet
    const auto asked = AskedRoutes(before, m);
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].Output, 0);
    EXPECT_EQ(asked[1].Output, 2);
    EXPECT_EQ(asked[1].Input, NO_INPUT);
    // The switcher holds output 1 pending with input 2 in force; output 3 is clear.
    SwitcherState sw;
    sw.Routes[0] = {3, 0};
    sw.PrevInputs[0] = 1;
    sw.Routes[2] = {NO_INPUT, 1};
    const auto failed = FailedRoutes(asked, sw);
    ASSERT_EQ(failed.size(), 1u);
    EXPECT_EQ(failed[0].Output, 0);
    EXPECT_EQ(failed[0].InForce, 1);
}

TEST(PanelSettingsFileTest, ReadsWritesAndKeepsWhatItDoesNotKnow) {
    test::TempWorkingDir dir;
    const std::string path = (dir.Path() / PanelSettingsFileName).string();
    EXPECT_FALSE(ReadFollowSettings(path).On) << "no file: the defaults";
    EXPECT_EQ(ReadFollowSettings(path).IntervalSeconds, DefaultFollowSeconds);
    {
        std::ofstream out(path);
        out << "ProtectedOutputs=3,4\r\nFollowSwitcher=1\nFollowIntervalSeconds=90\n";
    }
    FollowSettings s = ReadFollowSettings(path);
    EXPECT_TRUE(s.On);
    EXPECT_EQ(s.IntervalSeconds, MaxFollowSeconds) << "brought into range";
    ASSERT_TRUE(WriteFollowSettings(path, {false, 7}));
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "ProtectedOutputs=3,4\nFollowSwitcher=0\nFollowIntervalSeconds=7\n");
    {
        std::ofstream out(path);
        out << "FollowSwitcher=yes\nFollowIntervalSeconds=\n";
    }
    s = ReadFollowSettings(path);
    EXPECT_FALSE(s.On);
    EXPECT_EQ(s.IntervalSeconds, DefaultFollowSeconds) << "what is not a number is left at its default";
}

}  // namespace
}  // namespace vx
