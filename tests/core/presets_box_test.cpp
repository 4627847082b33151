// The box "Preset Save/Recall" as a table: from each of its four states, each event
// leads to a state with its widgets, sends exactly the lines listed and leaves the outputs
// holding the routes listed.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "PresetsRig.h"
#include "model/NameSlots.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;
enum class Box { Idle, Save, Recall, Preview };

const char* NameOf(Box b) {
    switch (b) {
        case Box::Idle:
            return "idle";
        case Box::Save:
            return "save mode";
        case Box::Recall:
            return "recall mode";
        case Box::Preview:
            return "preview";
    }
    return "?";
}

// Brings a fresh rig into a state the way the operator would; a preview shows preset 2.
void Enter(test::PresetsRig& rig, Box state) {
    switch (state) {
        case Box::Idle:
            break;
        case Box::Save:
            rig.core.PresetsSaveButtonClick();
            break;
        case Box::Recall:
            rig.core.PresetsRecallButtonClick();
            break;
        case Box::Preview:
            rig.core.PresetsRecallButtonClick();
            rig.core.PresetButtonClick(1);
            break;
    }
    rig.fakes.serial.writes.clear();
}

void ExpectState(test::PresetsRig& rig, Box state) {
    const auto& v = rig.presetBox;
    const SwitcherState& m = rig.core.Model();
    const bool shown = state != Box::Idle;
    EXPECT_EQ(v.pageVisible, shown);
    EXPECT_EQ(v.save, state == Box::Idle || state == Box::Save);
    EXPECT_EQ(v.recall, state != Box::Save);
    EXPECT_EQ(v.saveCancel, state == Box::Save);
    EXPECT_EQ(v.recallCancel, state == Box::Recall || state == Box::Preview);
    EXPECT_EQ(v.confirm, state == Box::Preview);
    EXPECT_EQ(m.PreviewActive, state == Box::Preview ? 1 : 0);
    for (int p = 0; p < PresetCount; ++p) {
        if (state == Box::Save) {
            EXPECT_TRUE(v.buttons[p]) << "preset " << p + 1;
        }
        if (state == Box::Recall || state == Box::Preview) {
            EXPECT_EQ(v.buttons[p], p == 1 || p == 4) << "preset " << p + 1 << " enabled exactly when stored";
        }
    }
}

// Whose routes the outputs hold: the live ones from before the box was used (output o from
// input o), a stored preset's, or none.
enum class Shows { Live, Preset2, Preset5, Nothing };

byte InputOf(Shows shows, int o) {
    switch (shows) {
        case Shows::Live:
            return static_cast<byte>(o);
        case Shows::Preset2:
            return static_cast<byte>((o + 2) % MaxInputs);
        case Shows::Preset5:
            return static_cast<byte>((o + 7) % MaxInputs);
        case Shows::Nothing:
            break;
    }
    return NO_INPUT;
}

// The routes after an event. A preview holds the preset's routes pending, with the live ones
// kept for a cancel; in any other state every output is committed and a cancel on the
// routing page would fall back to the route itself. Where the event drew the outputs, each
// shows its input's number.
void ExpectRoutes(test::PresetsRig& rig, Box state, Shows shows, bool drawn) {
    const SwitcherState& m = rig.core.Model();
    for (int o = 0; o < MaxOutputs; ++o) {
        SCOPED_TRACE("output " + std::to_string(o + 1));
        const byte input = InputOf(shows, o);
        EXPECT_EQ(m.Routes[o].Input, input);
        EXPECT_EQ(m.Routes[o].Committed, state == Box::Preview ? 0 : 1);
        EXPECT_EQ(m.PrevInputs[o], state == Box::Preview ? InputOf(Shows::Live, o) : input);
        if (drawn) {
            EXPECT_EQ(rig.routing.labelText[o], input == NO_INPUT ? "--" : std::to_string(input + 1));
        }
    }
}

struct Case {
    Box from;
    const char* event;
    std::function<void(PanelCore&)> act;
    Box to;
    Lines lines;
    Shows shows = Shows::Live;
};

const Case kCases[] = {
    {Box::Idle, "Save", [](PanelCore& c) { c.PresetsSaveButtonClick(); }, Box::Save, {}},
    {Box::Save, "Save", [](PanelCore& c) { c.PresetsSaveButtonClick(); }, Box::Save, {}},
    {Box::Save, "Cancel under Save", [](PanelCore& c) { c.PresetSaveCancelButtonClick(); }, Box::Idle, {}},
    {Box::Save, "preset 3", [](PanelCore& c) { c.PresetButtonClick(2); }, Box::Idle, {"TAKE 1", "PRST 3"}},
    {Box::Idle, "Recall", [](PanelCore& c) { c.PresetsRecallButtonClick(); }, Box::Recall, {}},
    {Box::Recall, "Recall", [](PanelCore& c) { c.PresetsRecallButtonClick(); }, Box::Recall, {}},
    {Box::Preview,
     "Recall",
     [](PanelCore& c) { c.PresetsRecallButtonClick(); },
     Box::Preview,
     {},
     Shows::Preset2},
    {Box::Recall, "preset 2", [](PanelCore& c) { c.PresetButtonClick(1); }, Box::Preview, {}, Shows::Preset2},
    {Box::Preview,
     "preset 5",
     [](PanelCore& c) { c.PresetButtonClick(4); },
     Box::Preview,
     {},
     Shows::Preset5},
    {Box::Preview,
     "Confirm",
     [](PanelCore& c) { c.PresetRecallConfirmButtonClick(); },
     Box::Idle,
     {"RPRST 2 1"},
     Shows::Preset2},
    {Box::Preview,
     "Take on the routing page",
     [](PanelCore& c) { c.TakeButtonClick(); },
     Box::Idle,
     {"RPRST 2 1"},
     Shows::Preset2},
    {Box::Recall,
     "Cancel under Recall",
     [](PanelCore& c) { c.PresetRecallCancelButtonClick(); },
     Box::Idle,
     {}},
    {Box::Preview,
     "Cancel under Recall",
     [](PanelCore& c) { c.PresetRecallCancelButtonClick(); },
     Box::Idle,
     {}},
    {Box::Preview,
     "Cancel on the routing page",
     [](PanelCore& c) { c.CancelTakeButtonClick(); },
     Box::Idle,
     {}},
    {Box::Preview,
     "Clear All Routing",
     [](PanelCore& c) { c.ClearAllRoutingButtonClick(); },
     Box::Idle,
     {"CLEAR"},
     Shows::Nothing},
    // Buttons the state has disabled or hidden do nothing, whatever reaches the core.
    {Box::Recall, "empty preset 1", [](PanelCore& c) { c.PresetButtonClick(0); }, Box::Recall, {}},
    {Box::Idle, "hidden preset 2", [](PanelCore& c) { c.PresetButtonClick(1); }, Box::Idle, {}},
    {Box::Idle, "disabled Confirm", [](PanelCore& c) { c.PresetRecallConfirmButtonClick(); }, Box::Idle, {}},
    {Box::Recall,
     "disabled Confirm",
     [](PanelCore& c) { c.PresetRecallConfirmButtonClick(); },
     Box::Recall,
     {}},
    {Box::Save, "disabled Recall", [](PanelCore& c) { c.PresetsRecallButtonClick(); }, Box::Save, {}},
    {Box::Preview,
     "disabled Save",
     [](PanelCore& c) { c.PresetsSaveButtonClick(); },
     Box::Preview,
     {},
     Shows::Preset2},
    {Box::Idle,
     "disabled Cancel under Recall",
     [](PanelCore& c) { c.PresetRecallCancelButtonClick(); },
     Box::Idle,
     {}},
};

TEST(PresetBoxTable, EveryTransition) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(NameOf(c.from)) + " + " + c.event);
        auto rig = std::make_unique<test::PresetsRig>();
        Enter(*rig, c.from);
        c.act(rig->core);
        ExpectState(*rig, c.to);
        EXPECT_EQ(rig->Lines(), c.lines);
        ExpectRoutes(*rig, c.to, c.shows, c.from == Box::Preview || c.to == Box::Preview);
    }
}

TEST(PresetBoxTable, ReadFromTheSwitcherEndsAPreviewBeforeItsFirstQuery) {
    test::PresetsRig rig;
    Enter(rig, Box::Preview);
    rig.core.ReadfromVextaros1Click();
    EXPECT_FALSE(rig.presetBox.pageVisible);
    EXPECT_TRUE(rig.presetBox.save);
    EXPECT_FALSE(rig.presetBox.confirm);
    EXPECT_EQ(rig.core.Model().PreviewActive, 0);
    const Lines sent = rig.Lines();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "MINFOVX") << "the preview never reached the switcher: nothing to withdraw";
    for (int o = 0; o < MaxOutputs; ++o)
        EXPECT_EQ(rig.core.Model().Routes[o].Committed, 1) << "output " << o + 1;
}

TEST(PresetBoxStart, AllPresetsEmptyAndTheButtonsHiddenAndNumbered) {
    test::PanelRig rig;
    const SwitcherState& m = rig.core.Model();
    EXPECT_FALSE(rig.presetBox.pageVisible);
    for (int p = 0; p < PresetCount; ++p) {
        EXPECT_FALSE(rig.core.Presets().IsPresetStored(p + 1));
        EXPECT_EQ(m.Presets[p].LastSaved, 0);
        EXPECT_EQ(m.Presets[p].Routes[15].Input, NO_INPUT);
        EXPECT_EQ(m.PresetGroups[p].OutputGroups[15], NO_INPUT);
        EXPECT_EQ(rig.names.presets[p], std::to_string(p + 1));
    }
    EXPECT_FALSE(rig.core.Presets().IsPresetStored(0));
    EXPECT_FALSE(rig.core.Presets().IsPresetStored(9));

    rig.core.PresetsRecallButtonClick();
    EXPECT_TRUE(rig.presetBox.pageVisible);
    for (int p = 0; p < PresetCount; ++p) EXPECT_FALSE(rig.presetBox.buttons[p]) << "nothing to recall yet";
}

TEST(PresetBoxStart, PresetButtonsCarryTheNamesOfTheLabelStore) {
    test::PanelRig rig;
    WriteNameSlot(rig.core.Model().Labels().PresetLabels[2], "Studio");
    WriteNameSlot(rig.core.Model().Labels().PresetLabels[7], "");
    rig.core.Names().ApplyLabels();
    EXPECT_EQ(rig.names.presets[2], "Studio");
    EXPECT_EQ(rig.names.presets[7], "");
    EXPECT_EQ(rig.names.presets[0], "1");
}

}  // namespace
}  // namespace vx
