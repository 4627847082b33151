// Storing and recalling presets: what goes into a preset, what a preview shows and what
// its confirm and cancel leave behind, and what a direct recall sends.
#include <gtest/gtest.h>

#include "PresetsRig.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

class PresetsTest : public testing::Test {
protected:
    void Preview(int p) {
        rig.core.PresetsRecallButtonClick();
        rig.core.PresetButtonClick(p);
    }
    void Direct(int p) { rig.core.Presets().LoadPreset(p, PresetLoad::Direct); }

    test::PresetsRig rig;
    SwitcherState& m = rig.core.Model();
};

TEST_F(PresetsTest, StoringPreset3TakesFirstThenStoresAndMarksItSavedLast) {
    m.Routes[4] = {9, 0};  // a pending route is stored as it stands
    rig.core.PresetsSaveButtonClick();
    rig.core.PresetButtonClick(2);

    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 1", "PRST 3"}));
    const PresetRecord& r = m.Presets[2];
    EXPECT_EQ(r.Stored, 1);
    EXPECT_EQ(r.LastSaved, 1);
    for (int p : {0, 1, 3, 4, 5, 6, 7}) EXPECT_EQ(m.Presets[p].LastSaved, 0) << "preset " << p + 1;
    EXPECT_EQ(r.Routes[4].Input, 9);
    EXPECT_EQ(r.Routes[4].Committed, 0);
    EXPECT_EQ(r.Routes[0].Input, 0);
    EXPECT_EQ(r.Routes[0].Committed, 1);
    EXPECT_EQ(std::memcmp(&m.PresetGroups[2], &m.Groups, sizeof(GroupTables)), 0);
    EXPECT_EQ(m.SelectedPreset, 2);
    EXPECT_EQ(m.Routes[4].Committed, 1) << "the take committed the pending route";
    EXPECT_EQ(rig.core.Presets().Mode(), PresetBoxMode::Idle);

    rig.fakes.serial.writes.clear();
    rig.core.PresetsSaveButtonClick();
    rig.core.PresetButtonClick(2);
    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 1", "PRST 3"})) << "also with nothing pending";
}

TEST_F(PresetsTest, ReclockerMaskOfAnEightByEightSwitcherHasOnlyItsOutputs) {
    m.OutputCount = m.InputCount = 8;
    for (auto& r : m.Reclockers) r = 1;
    rig.Store(6);
    EXPECT_EQ(m.Presets[6].ReclockerMask.Get(), 0x00FF);
}

TEST_F(PresetsTest, TwoPreviewsThenCancelBringBackTheStateBeforeTheFirstAndSendNothing) {
    m.Routes[3] = {11, 0};  // pending before the preview, with input 4 to fall back to
    const test::LiveState before = test::LiveState::Of(m);

    Preview(1);
    EXPECT_EQ(m.Routes[0].Input, 2) << "preset 2 shown";
    for (int o = 0; o < 16; ++o) EXPECT_EQ(m.Routes[o].Committed, 0) << "every output shown pending";
    EXPECT_EQ(m.Reclockers[2], 1);
    EXPECT_EQ(rig.routing.labelColour[0], Colour::Red);
    Preview(4);
    EXPECT_EQ(m.Routes[0].Input, 7) << "preset 5 replaces preset 2";
    EXPECT_EQ(m.Groups.InputMembers[0][7], 0);
    rig.core.PresetRecallCancelButtonClick();

    EXPECT_TRUE(rig.Lines().empty());
    EXPECT_TRUE(test::LiveState::Of(m) == before);
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_EQ(rig.routing.labelText[0], "1");
    EXPECT_EQ(rig.routing.labelColour[0], Colour::Lime);
    EXPECT_EQ(rig.routing.labelColour[3], Colour::Red) << "still pending";

    // The pending route keeps its own fallback: the routing page's cancel returns input 4.
    rig.core.CancelTakeButtonClick();
    EXPECT_EQ(m.Routes[3].Input, 3);
    EXPECT_EQ(rig.Lines(), (Lines{"TAKE 0"}));
}

TEST_F(PresetsTest, TakeDuringAPreviewOfPreset5ConfirmsIt) {
    Preview(4);
    rig.core.TakeButtonClick();
    EXPECT_EQ(rig.Lines(), (Lines{"RPRST 5 1"}));
    EXPECT_EQ(rig.core.Presets().Mode(), PresetBoxMode::Idle);
    EXPECT_FALSE(rig.presetBox.pageVisible);
    for (int o = 0; o < 16; ++o) {
        EXPECT_EQ(m.Routes[o].Committed, 1) << "output " << o + 1;
        EXPECT_EQ(m.PrevInputs[o], (o + 7) % 16) << "output " << o + 1;
    }
}

TEST_F(PresetsTest, DirectRecallOfPreset4SendsRprstThenSixteenReclockersInOrder) {
    rig.SetLive(5, 0x8001);
    rig.Store(3);
    rig.SetLive(0, 0);
    rig.fakes.serial.writes.clear();

    Direct(3);

    Lines expected{"RPRST 4 0"};
    for (const auto& l : test::PresetsRig::ReclockLines(0x8001)) expected.push_back(l);
    EXPECT_EQ(rig.Lines(), expected);
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_EQ(m.Routes[0].Input, 5);
    EXPECT_EQ(rig.routing.labelColour[0], Colour::Lime);
    EXPECT_EQ(rig.routing.labelText[0], "6");
}

TEST_F(PresetsTest, AfterADirectRecallTheRecalledInputIsTheRouteInForce) {
    // Output 1 had input 1 before; preset 2 routes it from input 3, stored as taken.
    Direct(1);
    rig.fakes.serial.writes.clear();

    rig.core.OutputButtonClick(0);
    rig.core.InputButtonClick(2);

    EXPECT_EQ(rig.Lines(), (Lines{"RTEMP 1 0"})) << "a pending disconnect, as for any route in force";
    EXPECT_EQ(m.Routes[0].Input, NO_INPUT);
    EXPECT_EQ(rig.routing.labelText[0], "--");
    rig.core.CancelTakeButtonClick();
    EXPECT_EQ(m.Routes[0].Input, 2) << "cancel returns the recalled input, never the one before the recall";
}

TEST_F(PresetsTest, APendingEntryOfAPresetIsShownPendingAndCommittedByADirectRecall) {
    m.Routes[6] = {12, 0};
    rig.Store(2);
    rig.SetLive(0, 0);

    Preview(2);
    EXPECT_EQ(m.Routes[6].Input, 12);
    EXPECT_EQ(m.Routes[6].Committed, 0);
    rig.core.PresetRecallCancelButtonClick();

    Direct(2);
    EXPECT_EQ(m.Routes[6].Input, 12);
    EXPECT_EQ(m.Routes[6].Committed, 1);
    EXPECT_EQ(m.PrevInputs[6], 12);
}

TEST_F(PresetsTest, ADirectRecallDuringAPreviewEndsThePreviewFirst) {
    const test::LiveState before = test::LiveState::Of(m);
    Preview(1);
    Direct(4);
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_EQ(rig.core.Presets().Mode(), PresetBoxMode::Idle);
    EXPECT_FALSE(rig.presetBox.confirm);
    EXPECT_EQ(m.Routes[0].Input, 7);
    // Nothing of the preview is left to cancel later: the box's cancel finds no preview.
    rig.core.CancelTakeButtonClick();
    EXPECT_EQ(m.Routes[0].Input, 7);
    EXPECT_NE(m.Routes[0].Input, before.Routes[0].Input);
}

}  // namespace
}  // namespace vx
