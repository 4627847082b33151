// The preset sequencer on the whole panel core with a fake PresetSeqTimer: the rows it
// recalls, the intervals it arms, the row highlight, the light and the lock, the checks
// of the rows, and ticks that must wait for an exchange or a preview to end.
#include <gtest/gtest.h>

#include <cstring>

#include "PresetsRig.h"
#include "ScriptedStatusQuery.h"
#include "presets/SequenceNumbers.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

class SequencerTest : public testing::Test {
protected:
    SequencerTest() {
        // Presets 3 and 7 as well as the rig's 2 and 5; output 1 tells them apart.
        rig.SetLive(2, 0);
        rig.Store(2);
        rig.SetLive(6, 0);
        rig.Store(6);
        rig.SetLive(0, 0);
        rig.fakes.serial.writes.clear();
    }
    // The presets recalled, in order, from the RPRST lines sent.
    Lines Recalls() const {
        Lines out;
        for (const auto& l : rig.Lines())
            if (l.rfind("RPRST", 0) == 0) out.push_back(l);
        return out;
    }
    void Tick() { rig.fakes.seqTimer.Fire(); }

    test::PresetsRig rig;
    SwitcherState& m = rig.core.Model();
    test::RecordingSequencingView& rows = rig.sequencing;
    test::FakeOneShotTimer& timer = rig.fakes.seqTimer;
    Sequencer& seq = rig.core.Sequencing();
};

TEST_F(SequencerTest, TwoRowsTakeTurnsEachForItsOwnDelayUntilStop) {
    rows.Row(1, "3", "5");
    rows.Row(4, "7", "10");

    rig.core.PresetSeqStartButtonClick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 3 0"}));
    EXPECT_EQ(rows.LimeRows(), std::vector<int>{1});
    EXPECT_EQ(m.Routes[0].Input, 2) << "preset 3 applied";
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(timer.intervalMs, 5000);
    EXPECT_TRUE(rows.light);
    EXPECT_FALSE(rows.unlocked);

    Tick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 3 0", "RPRST 7 0"}));
    EXPECT_EQ(rows.LimeRows(), std::vector<int>{4});
    EXPECT_EQ(m.Routes[0].Input, 6);
    EXPECT_EQ(timer.intervalMs, 10000);

    Tick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 3 0", "RPRST 7 0", "RPRST 3 0"}));
    EXPECT_EQ(rows.LimeRows(), std::vector<int>{1});
    EXPECT_EQ(timer.intervalMs, 5000);
    EXPECT_EQ(seq.SequenceSteps(), (std::array<std::int32_t, 8>{0, 3, 0, 0, 7, 0, 0, 0}));
    EXPECT_EQ(seq.SequenceEnabledCount(), 2);

    rig.core.PresetSeqStopButtonClick();
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(rows.light);
    EXPECT_TRUE(rows.unlocked);
    EXPECT_EQ(rows.LimeRows(), std::vector<int>{1}) << "the last row recalled stays green";
    Tick();
    EXPECT_EQ(Recalls().size(), 3u);
}

TEST_F(SequencerTest, EveryRecallIsDirectWithItsReclockers) {
    rows.Row(0, "3", "3");
    rows.Row(1, "3", "4");
    rig.core.PresetSeqStartButtonClick();
    Tick();
    Lines once{"RPRST 3 0"};
    for (const auto& l : test::PresetsRig::ReclockLines(0)) once.push_back(l);
    Lines twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(rig.Lines(), twice) << "the same preset in consecutive rows is sent again";
}

TEST_F(SequencerTest, ASingleRowIsRecalledOnceAndStaysLitUntilStop) {
    rows.Row(3, "7", "3");
    rig.core.PresetSeqStartButtonClick();
    Tick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 7 0"}));
    EXPECT_FALSE(timer.running);
    EXPECT_TRUE(rows.light);
    EXPECT_FALSE(rows.unlocked);
}

TEST_F(SequencerTest, StartWhileRunningRestartsAtTheFirstRowWithItsDelay) {
    rows.Row(1, "3", "5");
    rows.Row(4, "7", "10");
    rig.core.PresetSeqStartButtonClick();
    Tick();
    rig.core.PresetSeqStartButtonClick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 3 0", "RPRST 7 0", "RPRST 3 0"}));
    EXPECT_EQ(rows.LimeRows(), std::vector<int>{1});
    EXPECT_EQ(timer.intervalMs, 5000);
}

// Each check of a row: the message, where the focus goes, and the row's validity mark.
TEST_F(SequencerTest, RowChecksShowTheirMessagesAndSendTheFocusBack) {
    struct Case {
        const char* preset;
        const char* delay;
        std::string message;  // empty: both values pass
        const char* focus;
    };
    const Case cases[] = {
        {"9", "3", PresetOutOfLimitsText(), "preset 3"},
        {"0", "3", PresetOutOfLimitsText(), "preset 3"},
        {"ab", "3", "Error! 'ab' is not a valid Preset number.", "preset 3"},
        {"", "3", "Error! '' is not a valid Preset number.", "preset 3"},
        {"3", "2", DelayOutOfLimitsText(), "delay 3"},
        {"3", "1e3", "Error! '1e3' is not a valid Delay number.", "delay 3"},
        {"3", "", "Error! '' is not a valid Delay number.", "delay 3"},
        {"8", "9999", "", ""},
        {" 1", "3", "", ""},
    };
    EXPECT_EQ(PresetOutOfLimitsText(), "Error! Preset number out of limits (1-8)");
    EXPECT_EQ(DelayOutOfLimitsText(), "Error! Delay number out of limits (3-9999)");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("preset '") + c.preset + "', delay '" + c.delay + "'");
        rig.prompts.messages.clear();
        rows.focus.clear();
        rows.Row(2, c.preset, c.delay);
        rig.core.PresetSeqEditExit(2);
        rig.core.PresetDelayEditExit(2);
        if (c.message.empty()) {
            EXPECT_TRUE(rig.prompts.messages.empty());
            EXPECT_TRUE(rows.focus.empty());
        } else {
            EXPECT_EQ(rig.prompts.messages, Lines{c.message});
            EXPECT_EQ(rows.focus, Lines{c.focus});
        }
        EXPECT_EQ(seq.PresetEditInvalid(2) || seq.DelayEditInvalid(2), !c.message.empty());
    }
}

TEST_F(SequencerTest, AFailedStartShowsOneMessageAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(test::RecordingSequencingView&)> rows;
        std::string message;
        Lines focus;
    };
    const Case cases[] = {
        {"no row on", [](auto&) {}, NoSequenceEnabledText, {}},
        {"row 1 with an empty preset",
         [](auto& r) { r.Row(0, "1", "3"); },
         "Error! Preset #'1' is currently empty. Select a different Preset number",
         {"preset 1"}},
        {"a bad delay after a good row",
         [](auto& r) { r.Row(0, "3", "3"), r.Row(5, "7", "2"); },
         DelayOutOfLimitsText(),
         {"delay 6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::PresetsRig fresh;
        fresh.SetLive(2, 0);
        fresh.Store(2);
        fresh.fakes.serial.writes.clear();
        c.rows(fresh.sequencing);
        fresh.core.PresetSeqStartButtonClick();
        EXPECT_EQ(fresh.prompts.messages, Lines{c.message});
        EXPECT_EQ(fresh.sequencing.focus, c.focus);
        EXPECT_TRUE(fresh.Lines().empty()) << "nothing recalled";
        EXPECT_TRUE(fresh.fakes.seqTimer.starts.empty());
        EXPECT_FALSE(fresh.sequencing.light);
        EXPECT_TRUE(fresh.sequencing.unlocked);
        EXPECT_TRUE(fresh.sequencing.LimeRows().empty());
        EXPECT_EQ(fresh.core.Sequencing().SequenceEnabledCount(), 0);
    }
}

TEST_F(SequencerTest, APresetEmptiedWhileRunningStopsARestartButNotTheSequence) {
    rows.Row(1, "3", "5");
    rows.Row(4, "7", "10");
    rig.core.PresetSeqStartButtonClick();
    m.Presets[6].Stored = 0;  // as a read from a switcher that lost preset 7 would leave it

    rig.core.PresetSeqStartButtonClick();
    EXPECT_EQ(rig.prompts.messages,
              Lines{"Error! Preset #'7' is currently empty. Select a different Preset number"});
    EXPECT_EQ(seq.SequenceEnabledCount(), 2) << "the running sequence keeps its rows";
    EXPECT_TRUE(timer.running);
    EXPECT_TRUE(rows.light);

    Tick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 3 0", "RPRST 3 0"})) << "the emptied preset is passed over";
    EXPECT_EQ(timer.intervalMs, 5000);
}

TEST_F(SequencerTest, StartDuringAPreviewEndsThePreviewFirst) {
    rig.core.PresetsRecallButtonClick();
    rig.core.PresetButtonClick(4);
    rows.Row(0, "3", "3");
    rig.core.PresetSeqStartButtonClick();
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_FALSE(rig.presetBox.confirm);
    EXPECT_FALSE(rig.presetBox.pageVisible);
    EXPECT_EQ(Recalls(), (Lines{"RPRST 3 0"}));
}

TEST_F(SequencerTest, ATickDuringAPreviewWaitsForItsConfirm) {
    rows.Row(1, "3", "5");
    rows.Row(4, "7", "10");
    rig.core.PresetSeqStartButtonClick();
    rig.core.PresetsRecallButtonClick();
    rig.core.PresetButtonClick(1);
    rig.fakes.serial.writes.clear();

    Tick();
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_EQ(m.PreviewActive, 1) << "the operator's preview is left alone";
    EXPECT_TRUE(rig.presetBox.confirm);
    EXPECT_TRUE(seq.TickDeferred());
    EXPECT_EQ(timer.intervalMs, Sequencer::DeferRetryMs);
    Tick();
    EXPECT_TRUE(rig.Lines().empty()) << "still previewing";

    rig.core.PresetRecallConfirmButtonClick();
    EXPECT_EQ(Recalls(), (Lines{"RPRST 2 1", "RPRST 7 0"})) << "the kept tick runs right after the confirm";
    EXPECT_FALSE(seq.TickDeferred());
    EXPECT_EQ(timer.intervalMs, 10000);
    EXPECT_EQ(rows.LimeRows(), std::vector<int>{4});
}

TEST_F(SequencerTest, StopDropsAKeptTick) {
    rows.Row(1, "3", "5");
    rows.Row(4, "7", "10");
    rig.core.PresetSeqStartButtonClick();
    rig.core.PresetsRecallButtonClick();
    rig.core.PresetButtonClick(1);
    Tick();
    rig.core.PresetSeqStopButtonClick();
    rig.fakes.serial.writes.clear();
    rig.core.PresetRecallCancelButtonClick();
    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_FALSE(timer.running);
}

TEST_F(SequencerTest, AWrongRowLeftForAnotherPageIsToldOnceWithoutTakingTheFocus) {
    rows.Row(0, "x", "3");
    rows.pageShown = false;
    rig.core.PresetSeqEditExit(0);
    EXPECT_EQ(rig.prompts.messages, (Lines{"Error! 'x' is not a valid Preset number."}));
    EXPECT_TRUE(rows.focus.empty()) << "no focus on a page the operator cannot see";
    EXPECT_TRUE(seq.PresetEditInvalid(0));

    rows.pageShown = true;
    rows.delayText[0] = "2";
    rig.core.PresetDelayEditExit(0);
    EXPECT_EQ(rows.focus, (Lines{"delay 1"})) << "on the page shown the focus goes back";
}

// Stop pressed while a serial read waits for the switcher, with a tick kept back by the
// read: the sequence ends there, and nothing is recalled once the read is over.
TEST(SequencerWaitTest, AStopInsideASerialReadIsHonouredAndNoRecallFollows) {
    test::PanelRig rig;
    SwitcherState& m = rig.core.Model();
    rig.SerialLinkInUse();
    PresetRecord stored{};
    stored.Stored = 1;
    rig.fakes.serial.onWrite = [&](const std::string& line) {
        const bool preset = line.rfind("PINFOVX", 0) == 0;
        rig.fakes.serial.Answer(
            preset ? test::FramedAnswer(test::BytesOf(stored)) : test::FakeSwitcherAnswer(line), 5);
    };
    for (auto& p : m.Presets) p = stored;
    rig.sequencing.Row(0, "3", "3");
    rig.sequencing.Row(1, "7", "6");
    rig.core.PresetSeqStartButtonClick();
    rig.fakes.serial.writes.clear();
    int step = 0;
    rig.duringEvents = [&] {
        if (!rig.core.ExchangeOpen() || step == 2) return;
        if (step++ == 0)
            rig.fakes.seqTimer.Fire();
        else
            rig.core.PresetSeqStopButtonClick();
    };

    rig.core.ReadfromVextaros1Click();

    EXPECT_EQ(step, 2) << "the tick and the Stop both came inside the read";
    for (const auto& line : rig.SerialCommands()) EXPECT_NE(line.rfind("RPRST", 0), 0u) << line;
    EXPECT_FALSE(rig.core.Sequencing().Running());
    EXPECT_FALSE(rig.core.Sequencing().TickDeferred());
    EXPECT_FALSE(rig.fakes.seqTimer.running);
    EXPECT_FALSE(rig.sequencing.light);
    EXPECT_TRUE(rig.sequencing.unlocked);
}

// A tick while a status answer comes in over RS-232 in pieces: sending then would flush
// the port and lose the rest of the answer.
TEST(SequencerWaitTest, ATickDuringASerialStatusQueryWaitsAndTheAnswerStaysWhole) {
    test::PanelRig rig;
    SwitcherState& m = rig.core.Model();
    rig.SerialLinkInUse();
    PresetRecord stored{};
    stored.Stored = 1;
    for (auto& r : stored.Routes) r = {3, 1};
    std::string groups(sizeof(GroupTables), '\0');
    for (std::size_t i = 0; i < groups.size(); ++i) groups[i] = static_cast<char>(i % 7 == 0 ? 0xFC : i % 8);
    rig.fakes.serial.onWrite = [&](const std::string& line) {
        auto& port = rig.fakes.serial;
        if (line.rfind("PINFOVX", 0) == 0) {
            port.Answer(test::FramedAnswer(test::BytesOf(stored)), 5);
        } else if (line.rfind("GINFOVX", 0) == 0) {
            const std::string answer = test::FramedAnswer(groups);
            for (std::size_t at = 0, k = 0; at < answer.size(); at += 10, ++k)
                port.Answer(answer.substr(at, 10), 5 + static_cast<int>(k) * 30);
        } else {
            port.Answer(test::FakeSwitcherAnswer(line), 5);
        }
    };
    for (auto& p : m.Presets) p = stored;
    rig.sequencing.Row(0, "3", "3");
    rig.sequencing.Row(1, "7", "6");
    rig.core.PresetSeqStartButtonClick();
    rig.fakes.serial.writes.clear();
    rig.duringEvents = [&rig, done = false]() mutable {
        const auto& l = rig.core.Link();
        if (done || !l.ReplyPending || l.ReplyWritePos == 0 ||
            std::strncmp(l.CommandLine.data(), "GINFOVX", 7) != 0)
            return;
        done = true;
        rig.fakes.seqTimer.Fire();
    };

    rig.core.ReadfromVextaros1Click();

    const auto sent = rig.SerialCommands();
    ASSERT_FALSE(sent.empty());
    std::size_t firstRecall = sent.size();
    for (std::size_t i = 0; i < sent.size(); ++i)
        if (sent[i].rfind("RPRST", 0) == 0 && firstRecall == sent.size()) firstRecall = i;
    ASSERT_LT(firstRecall, sent.size()) << "the kept tick ran after the read";
    EXPECT_EQ(sent[firstRecall], "RPRST 7 0\r");
    EXPECT_EQ(sent[firstRecall - 1], "PGINFOVX 7\r") << "not before the read's last query";
    // The recall replaced the live groups; the copy it saved first is what the read stored.
    EXPECT_EQ(std::memcmp(&m.SavedGroups, groups.data(), groups.size()), 0)
        << "the group tables were stored whole";
    EXPECT_TRUE(rig.prompts.messages.empty());
    EXPECT_FALSE(rig.core.Sequencing().TickDeferred());
    EXPECT_EQ(rig.fakes.seqTimer.intervalMs, 6000);
}

}  // namespace
}  // namespace vx
