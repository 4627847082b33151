#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakePorts.h"
#include "ScriptedStatusQuery.h"
#include "connection/ReadSequence.h"
#include "link/CommandSender.h"
#include "link/Exchanges.h"

namespace vx {
namespace {

using test::BytesOf;
using test::FramedAnswer;

// Everything the sequence does to the window and the switcher, in one ordered log.
using Log = std::vector<std::string>;

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

class LogRoutingView : public RoutingView {
public:
    explicit LogRoutingView(Log& log, const SwitcherState& m) : log_(log), m_(m) {}
    void SetOutputButtonColour(int, Colour) override {}
    void SetInputButtonColour(int, Colour) override {}
    void SetVideoLabelText(int, const std::string&) override {}
    void SetVideoLabelColour(int, Colour) override {}
    void SetReclockerChecked(int, bool) override {}
    bool IsReclockerChecked(int) const override { return false; }
    void SetOutputWidgetsEnabled(int o, bool on) override {
        log_.push_back("output row " + std::to_string(o + 1) + " " + OnOff(on));
    }
    void SetInputButtonEnabled(int, bool) override {}
    void SetWindowTitle(const std::string& t) override {
        log_.push_back("title " + t);
        suppressedWhileDrawn.push_back(m_.EventsSuppressed);
    }
    void SetTakeLight(bool) override {}
    std::vector<int> suppressedWhileDrawn;

private:
    Log& log_;
    const SwitcherState& m_;
};

class LogGroupingView : public GroupingView {
public:
    explicit LogGroupingView(Log& log) : log_(log) {}
    void SetGroupInputButtonColour(int, Colour) override {}
    void SetGroupOutputButtonColour(int, Colour) override {}
    void SetGroupInputButtonEnabled(int, bool) override {}
    void SetGroupOutputButtonEnabled(int, bool) override {}
    void SetGroupExistChecked(int, bool) override {}
    void SetGroupExistEnabled(int, bool) override {}
    void SetOutputFirstHintVisible(bool) override {}
    void SetGroupRadioItems(const std::vector<std::string>&) override { log_.push_back("group items"); }
    void SelectGroupRadioItem(int) override {}
    int SelectedGroup() const override { return 0; }

private:
    Log& log_;
};

class LogLabelView : public LabelEnableView {
public:
    explicit LogLabelView(Log& log) : log_(log) {}
    void SetInputLabelEnabled(int i, bool on) override {
        log_.push_back("input name " + std::to_string(i + 1) + " " + OnOff(on));
    }
    void SetOutputLabelEnabled(int i, bool on) override {
        log_.push_back("output name " + std::to_string(i + 1) + " " + OnOff(on));
    }

private:
    Log& log_;
};

class LogSetupView : public SetupPageView {
public:
    explicit LogSetupView(Log& log) : log_(log) {}
    void SetFrontPanelLockChecked(bool on) override { log_.push_back("lockout " + OnOff(on)); }
    void SetVIStateChecked(bool on) override { log_.push_back("vi state " + OnOff(on)); }
    void SetIpText(const std::string& t) override { log_.push_back("ip " + t); }
    void SetFirmwareText(const std::string& t) override { log_.push_back("firmware " + t); }

private:
    Log& log_;
};

class LogProgress : public ProgressView {
public:
    explicit LogProgress(Log& log) : log_(log) {}
    void SetInfoText(const std::string& t) override { log_.push_back("info " + t); }
    void SetProgressText(const std::string& t) override {
        log_.push_back("dots " + t);
        dots.push_back(t);
    }
    void Show() override { log_.push_back("show progress"); }
    void Hide() override { log_.push_back("hide progress"); }
    std::vector<std::string> dots;

private:
    Log& log_;
};

class LogPrompter : public Prompter {
public:
    explicit LogPrompter(Log& log) : log_(log) {}
    void ShowMessage(const std::string& text) override {
        log_.push_back("message " + text);
        boxes.push_back({text, ""});
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        log_.push_back("message " + text);
        boxes.push_back({text, caption});
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::vector<std::pair<std::string, std::string>> boxes;  // text, caption

private:
    Log& log_;
};

class LogLinkView : public LinkView {
public:
    explicit LogLinkView(Log& log) : log_(log) {}
    void ShowStatus(const std::string& t) override {
        log_.push_back("status " + t);
        status.push_back(t);
    }
    void SetPageControlEnabled(bool) override {}
    bool IsHourglass() const override { return hourglass; }
    void SetHourglass(bool on) override { hourglass = on, cursor.push_back(on); }
    std::vector<std::string> status;
    bool hourglass = false;
    std::vector<bool> cursor;

private:
    Log& log_;
};

class LogPresetHooks : public PresetRecallHooks {
public:
    LogPresetHooks(Log& log, SwitcherState& m) : log_(log), m_(m) {}
    void ConfirmPresetRecall() override {}
    void CancelPresetRecall() override {
        log_.push_back("cancel preview");
        m_.PreviewActive = 0;
    }

private:
    Log& log_;
    SwitcherState& m_;
};

// How the switcher answers a query line.
enum class Fault { None, Silent, NoMarker };

// The switcher's side: the six answers, each framed, with faults on chosen lines.
struct ScriptedSwitcher {
    DeviceInfo info{};
    std::map<std::string, Fault> faults;  // by query line without its carriage return

    ScriptedSwitcher() {
        info.ModelCode = 11;
        const byte ip[] = {192, 168, 0, 254};
        std::memcpy(info.IPAddress, ip, 4);
        std::memcpy(info.FirmwareVersion, "V1.23a", 6);
        info.FrontPanelLocked = 1;
    }

    std::optional<std::string> Answer(const std::string& line) const {
        const std::string query = line.substr(0, line.size() - 1);
        const auto f = faults.find(query);
        if (f != faults.end() && f->second == Fault::Silent) return std::nullopt;
        if (f != faults.end() && f->second == Fault::NoMarker) return query + "\r\nERROR\r\n#";
        return FramedAnswer(Payload(query), "\r\n");
    }

    std::string Payload(const std::string& query) const {
        if (query == "MINFOVX") return BytesOf(info);
        if (query == "OINFOVX") {
            std::string p;
            for (int i = 0; i < MaxOutputs; ++i) p += {static_cast<char>(MaxInputs - 1 - i), '\x01'};
            return p;
        }
        if (query == "OPINFOVX") return std::string(MaxOutputs, '\x02');
        if (query.starts_with("PINFOVX")) return std::string(36, '\x01');
        GroupTables groups;  // GINFOVX and PGINFOVX: output 1 in group 1
        InitGroupTables(groups);
        groups.MemberCounts[0] = 1;
        groups.OutputCounts[0] = 1;
        groups.OutputGroups[0] = 0;
        return BytesOf(groups);
    }
};

const std::vector<std::string> AllQueries = {
    "MINFOVX",    "OINFOVX",    "OPINFOVX",   "PINFOVX 0",  "PINFOVX 1",  "PINFOVX 2",  "PINFOVX 3",
    "PINFOVX 4",  "PINFOVX 5",  "PINFOVX 6",  "PINFOVX 7",  "GINFOVX",    "PGINFOVX 0", "PGINFOVX 1",
    "PGINFOVX 2", "PGINFOVX 3", "PGINFOVX 4", "PGINFOVX 5", "PGINFOVX 6", "PGINFOVX 7"};

// The read sequence over the real routing and grouping pages, recording views and a
// scripted switcher. The serial port is open and acknowledges every command, so any
// command the sequence sends shows in the log.
class ReadSequenceFixture {
public:
    Log log;
    SwitcherState model;
    LinkState link;
    test::FakeClock clock;
    test::FakeSerialPort serial{clock};
    test::FakeTcpClient tcp{clock};
    test::FakeEventPump events{clock};
    test::FakeWatchdog timer1;
    LogPrompter prompts{log};
    LogLinkView view{log};
    LinkContext ctx{model, link, serial, tcp, clock, events, timer1, prompts, view};
    Exchanges exchanges{ctx};
    CommandSender sender{ctx, exchanges};

    LogRoutingView routingView{log, model};
    LogGroupingView groupingView{log};
    LogLabelView labelView{log};
    LogSetupView setupView{log};
    LogProgress progress{log};
    LogPresetHooks presets{log, model};
    OutputDisplay display{model, sender, routingView};
    Crosspoint crosspoint{model, sender, routingView, display, presets};
    Grouping grouping{model, sender, groupingView};

    ScriptedSwitcher switcher;
    test::ScriptedStatusQuery query{link};
    StatusReader reader{ctx, query, progress};
    ReadSequence sequence{ctx,        reader,  progress,
                          crosspoint, presets, {display, labelView, grouping, setupView}};

    ReadSequenceFixture() {
        serial.open = true;
        model.SerialPortOpen = 1;
        link.SerialLinkActive = true;
        serial.onWrite = [this](const std::string& line) {
            log.push_back("command " + line.substr(0, line.size() - 1));
            serial.Answer("\r\n#", 5);
        };
        query.answerFor = [this](const std::string& line) {
            log.push_back("query " + line.substr(0, line.size() - 1));
            return switcher.Answer(line);
        };
        model.EventsSuppressed = 1;  // as from the first showing of the window
    }

    std::vector<std::string> Queries() const {
        std::vector<std::string> out;
        for (const auto& l : query.lines) out.push_back(l.substr(0, l.size() - 1));
        return out;
    }
    std::vector<std::string> Entries(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : log)
            if (e.starts_with(prefix)) out.push_back(e);
        return out;
    }
    // Position of the first log entry starting with prefix; the log's size when none.
    std::size_t First(const std::string& prefix) const {
        return static_cast<std::size_t>(
            std::find_if(log.begin(), log.end(), [&](const auto& e) { return e.starts_with(prefix); }) -
            log.begin());
    }
    std::size_t Last(const std::string& prefix) const {
        for (std::size_t i = log.size(); i-- > 0;)
            if (log[i].starts_with(prefix)) return i;
        return log.size();
    }
};

class ReadSequenceTest : public ReadSequenceFixture, public ::testing::Test {};

TEST_F(ReadSequenceTest, FullReadQueriesInOrderBehindTheProgressWindowAndRedrawsEverything) {
    sequence.ReadfromVextaros1Click();

    EXPECT_EQ(Queries(), AllQueries);
    EXPECT_EQ(Entries("info "),
              std::vector<std::string>{"info VX Control querying Vextaro. Please wait...."});
    EXPECT_EQ(progress.dots,
              (std::vector<std::string>{"", ".", "...", "....", ".....", "......", ".......", "........"}));
    EXPECT_EQ(Entries("show progress").size(), 1u);
    EXPECT_LT(First("show progress"), First("query MINFOVX"));
    EXPECT_GT(Last("hide progress"), Last("query "));
    EXPECT_LT(Last("hide progress"), First("title "));
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_TRUE(Entries("command ").empty()) << "nothing was pending and a redraw sends nothing";

    // Shown again after withdrawing pending routes, whose exchange would have emptied it.
    EXPECT_EQ(view.status, (std::vector<std::string>{"Querying Vextaro. Please wait....",
                                                     "Querying Vextaro. Please wait....", ""}));
    EXPECT_EQ(view.cursor, (std::vector<bool>{true, false}));
    EXPECT_EQ(model.HandlerBusy, 0);
    // The redraw ran with check-box events silenced, and the first success releases them.
    EXPECT_EQ(routingView.suppressedWhileDrawn, std::vector<int>{1});
    EXPECT_EQ(model.EventsSuppressed, 0);

    EXPECT_EQ(model.Routes[0].Input, 15);
    EXPECT_EQ(model.PrevInputs[0], 2);
    EXPECT_EQ(model.Groups.OutputGroups[0], 0);
    EXPECT_EQ(model.Presets[7].Stored, 1);
    EXPECT_EQ(model.PresetGroups[7].OutputCounts[0], 1);
    EXPECT_EQ(Entries("ip "), std::vector<std::string>{"ip 192.168.0.254"});
    EXPECT_EQ(Entries("firmware "), std::vector<std::string>{"firmware V1.23a"});
}

TEST_F(ReadSequenceTest, EightByEightSwitcherSetsTheTitleAndDisablesRowsAndNamesNineToSixteen) {
    switcher.info.ModelCode = 10;
    model.EventsSuppressed = 0;  // a later read: the redraw silences check-box events itself

    sequence.ReadfromVextaros1Click();

    EXPECT_EQ(Entries("title "),
              std::vector<std::string>{"title Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)"});
    for (int i = 1; i <= 16; ++i) {
        const std::string state = i <= 8 ? " on" : " off";
        EXPECT_EQ(Entries("input name " + std::to_string(i) + " "),
                  std::vector<std::string>{"input name " + std::to_string(i) + state});
        EXPECT_EQ(Entries("output name " + std::to_string(i) + " "),
                  std::vector<std::string>{"output name " + std::to_string(i) + state});
        EXPECT_EQ(Entries("output row " + std::to_string(i) + " ").back(),
                  "output row " + std::to_string(i) + state);
    }
    // RefreshFromModel: routing, name boxes, grouping page, setup page.
    EXPECT_LT(First("title "), First("input name "));
    EXPECT_LT(Last("output name "), First("group items"));
    EXPECT_LT(First("group items"), First("lockout "));
    EXPECT_EQ(Entries("lockout "), std::vector<std::string>{"lockout on"});
    EXPECT_EQ(Entries("vi state "), std::vector<std::string>{"vi state off"});
    EXPECT_EQ(routingView.suppressedWhileDrawn, std::vector<int>{1});
    EXPECT_EQ(model.EventsSuppressed, 0);
}

TEST_F(ReadSequenceTest, UnknownModelCodeLeavesTitleAndSizeButStillRedraws) {
    switcher.info.ModelCode = 0;

    sequence.ReadfromVextaros1Click();

    EXPECT_TRUE(Entries("title ").empty());
    EXPECT_EQ(model.OutputCount, 16);
    EXPECT_EQ(model.InputCount, 16);
    EXPECT_EQ(Entries("group items").size(), 1u);
    EXPECT_EQ(Entries("ip ").size(), 1u);
}

TEST_F(ReadSequenceTest, PreviewAndPendingRoutesAreWithdrawnBeforeTheFirstQuery) {
    model.PreviewActive = 1;
    model.Routes[2] = {4, 0};
    model.PrevInputs[2] = 1;

    sequence.ReadfromVextaros1Click();

    EXPECT_LT(First("cancel preview"), First("status Querying"));
    EXPECT_LT(First("status Querying"), First("command TAKE 0"));
    EXPECT_LT(First("command TAKE 0"), First("query MINFOVX"));
    EXPECT_EQ(Entries("command ").size(), 1u);
    EXPECT_EQ(Queries(), AllQueries);
}

TEST_F(ReadSequenceTest, DoesNothingWhileAnotherActionHoldsTheGuard) {
    model.HandlerBusy = 1;
    model.PreviewActive = 1;

    sequence.ReadfromVextaros1Click();

    EXPECT_TRUE(log.empty());
    EXPECT_EQ(model.HandlerBusy, 1);
}

TEST_F(ReadSequenceTest, TwoFailingReadsGiveTwoBoxesInOrderAndTheProgressWindowStaysHidden) {
    switcher.faults = {{"OPINFOVX", Fault::NoMarker}, {"GINFOVX", Fault::Silent}};

    sequence.ReadfromVextaros1Click();

    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[0].first,
              "VX Control unable to read Prev Output Status. (NOTE: VX Control settings on Output will be "
              "invalid)");
    EXPECT_EQ(
        prompts.boxes[1].first,
        "VX Control unable to read Grouping Status. (NOTE: VX Control settings on Grouping will be invalid)");
    EXPECT_EQ(Queries(), AllQueries);
    EXPECT_EQ(Entries("show progress").size(), 1u);
    EXPECT_LT(First("hide progress"), First("message "));
    EXPECT_EQ(progress.dots.back(), "........") << "the later dots go on in the hidden window";
}

// ---- One failing later read ----

struct FailingRead {
    const char* name;
    const char* query;
    Fault fault;
    std::size_t queriesSent;
    const char* message;
};

void PrintTo(const FailingRead& c, std::ostream* os) {
    *os << c.name;
}

class ReadSequenceFailingReadTest : public ReadSequenceFixture,
                                    public ::testing::TestWithParam<FailingRead> {};

TEST_P(ReadSequenceFailingReadTest, OneBoxThenTheRestIsReadAndTheWindowRedrawn) {
    const FailingRead& c = GetParam();
    switcher.faults = {{c.query, c.fault}};

    sequence.ReadfromVextaros1Click();

    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].first, c.message);
    EXPECT_EQ(prompts.boxes[0].second, "Kessway Tavrel - VX Control :Error reading from Vextaro(s)");
    EXPECT_LT(First("hide progress"), First("message "));
    EXPECT_EQ(Queries().size(), c.queriesSent);
    EXPECT_EQ(Queries().back(), "PGINFOVX " + std::to_string(c.queriesSent == 18 ? 5 : 7));
    EXPECT_GT(First("group items"), First("message ")) << "the window is redrawn after the box";
    EXPECT_EQ(view.status.back(), "");
    EXPECT_EQ(model.EventsSuppressed, 0);
    EXPECT_EQ(model.HandlerBusy, 0);
}

INSTANTIATE_TEST_SUITE_P(
    ReadSequence, ReadSequenceFailingReadTest,
    ::testing::Values(
        FailingRead{
            "OutputStatus", "OINFOVX", Fault::NoMarker, 20,
            "VX Control unable to read Output Status. (NOTE: VX Control settings on Output will be invalid)"},
        FailingRead{
            "PrevOutputStatus", "OPINFOVX", Fault::Silent, 20,
            "VX Control unable to read Prev Output Status. (NOTE: VX Control settings on Output will be "
            "invalid)"},
        FailingRead{"PresetStatus", "PINFOVX 3", Fault::NoMarker, 16,
                    "VX Control unable to read Preset Status. (NOTE: VX Control settings will be invalid)"},
        FailingRead{
            "GroupingStatus", "GINFOVX", Fault::NoMarker, 20,
            "VX Control unable to read Grouping Status. (NOTE: VX Control settings on Grouping will be "
            "invalid)"},
        FailingRead{
            "PresetGroupStatus", "PGINFOVX 5", Fault::Silent, 18,
            "VX Control unable to read Preset Group Status. (NOTE: VX Control settings will be invalid)"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- No matrix information ----

struct NoAnswer {
    const char* name;
    Fault fault;
    bool ethernet;
    const char* message;
};

void PrintTo(const NoAnswer& c, std::ostream* os) {
    *os << c.name;
}

class ReadSequenceNoAnswerTest : public ReadSequenceFixture, public ::testing::TestWithParam<NoAnswer> {};

TEST_P(ReadSequenceNoAnswerTest, CommunicationErrorAfterOnlyTheFirstQueryAndNothingRedrawn) {
    const NoAnswer& c = GetParam();
    switcher.faults = {{"MINFOVX", c.fault}};
    model.EthernetConnected = c.ethernet;
    model.Info.ModelCode = 11;

    sequence.ReadfromVextaros1Click();

    EXPECT_EQ(Queries(), std::vector<std::string>{"MINFOVX"});
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].first, c.message);
    EXPECT_EQ(Entries("show progress").size(), 1u);
    EXPECT_LT(First("hide progress"), First("message "));
    EXPECT_TRUE(Entries("title ").empty());
    EXPECT_TRUE(Entries("group items").empty());
    EXPECT_TRUE(Entries("ip ").empty());
    EXPECT_EQ(view.status.front(), "Querying Vextaro. Please wait....");
    EXPECT_EQ(view.status.back(), "");
    EXPECT_EQ(view.cursor, (std::vector<bool>{true, false}));
    EXPECT_EQ(model.EventsSuppressed, 1);
    EXPECT_EQ(model.HandlerBusy, 0);
    EXPECT_EQ(model.Info.ModelCode, 11);
}

INSTANTIATE_TEST_SUITE_P(
    ReadSequence, ReadSequenceNoAnswerTest,
    ::testing::Values(
        NoAnswer{"SilentOnSerial", Fault::Silent, false,
                 "Vextaro communication error! Please check Serial connections and try again (-1)"},
        NoAnswer{"UnreadableOnEthernet", Fault::NoMarker, true,
                 "Vextaro communication error! Please check Ethernet connections and try again (-1)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vx
