// Presets and the sequencer against the simulator: what the panel stores is what the
// switcher reads back, a direct recall changes the switcher's routes, and a sequence
// runs over TCP on the real timer.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "SwitcherSession.h"
#include "ui/RadioGroup.h"

namespace vx::test {
namespace {

class PresetSessionTest : public SwitcherSession {
protected:
    void StorePreset(int n) {
        Click("PresetsSaveButton");
        Click(QString("PresetButton%1").arg(n));
        // Over TCP the line goes out without a wait for its answer: let it reach the transcript.
        ASSERT_TRUE(WireEndsWith("PRST " + std::to_string(n)));
    }
    void SequenceRow(int row, const char* preset, const char* delay) {
        form->findChild<QCheckBox*>(QString("PresetSeqEnableCheckBox%1").arg(row))->click();
        form->findChild<QLineEdit*>(QString("PresetSeqEdit%1").arg(row))->setText(preset);
        form->findChild<QLineEdit*>(QString("PresetDelayEdit%1").arg(row))->setText(delay);
    }
    std::vector<std::string> WireAfter(std::size_t skip) const {
        const auto all = WireLines();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(skip, all.size())), all.end()};
    }
    std::vector<WireLine> Recalls(std::size_t from) const {
        std::vector<WireLine> out;
        for (auto& e : WireWithLinks(from))
            if (e.text.rfind("RPRST", 0) == 0) out.push_back(e);
        return out;
    }
    static std::vector<std::string> RecallLines(int preset, unsigned reclockers = 0) {
        std::vector<std::string> out{"RPRST " + std::to_string(preset) + " 0"};
        for (int o = 1; o <= 16; ++o)
            out.push_back("RCLOCK " + std::to_string(o) + " " + std::to_string((reclockers >> (o - 1)) & 1u));
        return out;
    }
};

TEST_F(PresetSessionTest, StoredPreset3IsReadBackFromTheSwitcher) {
    Start();
    ConnectSerial();
    Route(1, 4);
    const std::size_t before = WireLines().size();
    StorePreset(3);
    EXPECT_EQ(WireAfter(before), (std::vector<std::string>{"TAKE 1", "PRST 3"}));

    SwitcherState& m = form->Core().Model();
    m.Presets[2].Stored = 0;
    m.Presets[2].Routes[0].Input = NO_INPUT;
    Click("UpdateStatus");
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_EQ(m.Presets[2].Stored, 1);
    EXPECT_EQ(m.Presets[2].LastSaved, 1);
    EXPECT_EQ(m.Presets[2].Routes[0].Input, 3);

    Click("PresetsRecallButton");
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(form->findChild<QPushButton*>(QString("PresetButton%1").arg(n))->isEnabled(), n == 3) << n;
}

TEST_F(PresetSessionTest, ADirectRecallChangesTheSwitchersRoutes) {
    Start();
    ConnectSerial();
    Route(1, 4);
    StorePreset(3);
    Route(1, 6);
    const std::size_t before = WireLines().size();

    SequenceRow(1, "3", "3");
    Click("PresetSeqStartButton");
    Click("PresetSeqStopButton");
    EXPECT_EQ(WireAfter(before), RecallLines(3));

    SwitcherState& m = form->Core().Model();
    m.Routes[0].Input = 9;  // forgotten by the panel: the read must bring back the switcher's
    Click("UpdateStatus");
    EXPECT_EQ(m.Routes[0].Input, 3);
    EXPECT_EQ(form->findChild<QLabel*>("VideoLabel1")->text(), "4");
}

TEST_F(PresetSessionTest, APreviewOverTcpReachesTheSwitcherOnlyWhenConfirmed) {
    Start();
    ConnectTcp();
    Route(2, 7);
    StorePreset(2);
    Route(2, 1);
    const std::size_t before = WireLines().size();

    Click("PresetsRecallButton");
    Click("PresetButton2");
    EXPECT_EQ(form->findChild<QLabel*>("VideoLabel2")->text(), "7");
    Click("PresetRecallCancelButton");
    EXPECT_EQ(form->findChild<QLabel*>("VideoLabel2")->text(), "1");
    EXPECT_EQ(WireLines().size(), before) << "a preview and its cancel send nothing";

    Click("PresetsRecallButton");
    Click("PresetButton2");
    Click("PresetRecallConfirmButton");
    EXPECT_TRUE(WireEndsWith("RPRST 2 1"));
    EXPECT_EQ(WireAfter(before), (std::vector<std::string>{"RPRST 2 1"}));
    SwitcherState& m = form->Core().Model();
    m.Routes[1].Input = 9;
    Click("UpdateStatus");
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_EQ(m.Routes[1].Input, 6) << "the switcher has the preset's route";
}

TEST_F(PresetSessionTest, ASequenceOfTwoPresetsRunsOverTcpOnItsTimer) {
    Start();
    ConnectTcp();
    Route(1, 2);
    StorePreset(1);
    Route(1, 5);
    StorePreset(2);
    const std::size_t before = Wire().size();
    constexpr int SecondMs = 50;  // a second of delay, shortened
    form->Core().Sequencing().SetSecondMs(SecondMs);
    SequenceRow(1, "1", "3");
    SequenceRow(2, "2", "4");

    Click("PresetSeqStartButton");
    EXPECT_TRUE(EventsUntil([&] { return Recalls(before).size() >= 3; }, 5000));
    Click("PresetSeqStopButton");

    const auto seen = Recalls(before);
    ASSERT_GE(seen.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(seen[k].link, "tcp") << k;
    EXPECT_EQ(seen[0].text, "RPRST 1 0");
    EXPECT_EQ(seen[1].text, "RPRST 2 0");
    EXPECT_EQ(seen[2].text, "RPRST 1 0");
    // Each row stays in force at least its own delay (a transcript tick is 1 ms).
    EXPECT_GE(seen[1].ms - seen[0].ms, 3 * SecondMs - 1);
    EXPECT_GE(seen[2].ms - seen[1].ms, 4 * SecondMs - 1);
    std::vector<std::string> expected;
    for (int p : {1, 2, 1})
        for (const auto& l : RecallLines(p)) expected.push_back(l);
    std::vector<std::string> wire;
    for (const auto& e : WireWithLinks(before))
        if (!e.text.empty() && wire.size() < expected.size()) wire.push_back(e.text);
    EXPECT_EQ(wire, expected) << "each recall with its sixteen reclockers, nothing in between";
    EXPECT_EQ(form->findChild<QLabel*>("VideoLabel1")->text(), "2");
}

}  // namespace
}  // namespace vx::test
