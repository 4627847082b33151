// The operator's names: the exit actions of the name boxes, the Enter chain, the reset
// buttons, GatherLabels and ApplyLabels, on the panel core with recording views.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PanelRig.h"
#include "labels/NameText.h"
#include "model/NameSlots.h"

namespace vx {
namespace {

constexpr NameFamily In = NameFamily::Input;
constexpr NameFamily Out = NameFamily::Output;
constexpr NameFamily Grp = NameFamily::Group;
constexpr NameFamily Pre = NameFamily::Preset;

class LabelsTest : public testing::Test {
protected:
    // The operator types text into a box and leaves it.
    void Name(NameFamily f, int i, const std::string& text) {
        rig.nameBoxes.Type(f, i, text);
        rig.core.NameBoxExit({f, i});
    }
    std::string Slot(const NameSlot& s) const { return ReadName(s); }
    bool NothingSent() const { return rig.fakes.serial.writes.empty() && rig.fakes.tcp.sent.empty(); }
    // The switcher became 8 x 8: boxes 9 to 16 of inputs and outputs are disabled.
    void EightByEight() {
        m.InputCount = 8;
        m.OutputCount = 8;
        for (int i = 8; i < 16; ++i) {
            rig.nameBoxes.Disable(In, i);
            rig.nameBoxes.Disable(Out, i);
        }
    }

    test::PanelRig rig;
    SwitcherState& m = rig.core.Model();
    LabelStore& labels = m.Labels();
};

TEST_F(LabelsTest, TheModelStartsWithTheNamesTheBoxesHold) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Slot(labels.InputLabels[i]), std::to_string(i + 1));
        EXPECT_EQ(Slot(labels.OutputLabels[i]), std::to_string(i + 1));
    }
    for (int g = 0; g < 8; ++g) EXPECT_EQ(Slot(labels.GroupLabels[g]), std::to_string(g + 1));
    for (int p = 0; p < 8; ++p) EXPECT_EQ(Slot(labels.PresetLabels[p]), std::to_string(p + 1));
}

TEST_F(LabelsTest, AnInputNameShowsOnBothPagesAtOnceAndReachesItsSlotOnlyAtTheNextGather) {
    Name(In, 2, "CAM1");
    EXPECT_EQ(rig.names.inputs[2], "CAM1");
    EXPECT_EQ(rig.names.inputs[1], "2");
    EXPECT_EQ(Slot(labels.InputLabels[2]), "3") << "slot 2 waits for the next save";
    EXPECT_TRUE(NothingSent());

    rig.core.Names().GatherLabels();
    EXPECT_EQ(Slot(labels.InputLabels[2]), "CAM1");
}

TEST_F(LabelsTest, AGroupNameGoesIntoItsCaptionsAndItsSlotAtOnce) {
    Name(Grp, 1, "NEWS");
    EXPECT_EQ(rig.names.groups[1], "Group 2 (NEWS)");
    EXPECT_EQ(Slot(labels.GroupLabels[1]), "NEWS");

    Name(Grp, 1, "");
    EXPECT_EQ(rig.names.groups[1], "Group 2 ()");
    EXPECT_EQ(Slot(labels.GroupLabels[1]), "");

    Name(In, 4, "");
    EXPECT_EQ(rig.names.inputs[4], "") << "an emptied box leaves the buttons without caption";
    Name(Out, 0, "PGM");
    EXPECT_EQ(rig.names.outputs[0], "PGM");
    Name(Pre, 7, "NIGHT");
    EXPECT_EQ(rig.names.presets[7], "NIGHT");
    EXPECT_TRUE(NothingSent());
}

TEST_F(LabelsTest, SlotsHoldSixCharactersAndNothingSpillsIntoTheNextSlot) {
    WriteName(labels.InputLabels[0], "ABCDEF");
    WriteName(labels.InputLabels[1], "AB");
    EXPECT_EQ(Slot(labels.InputLabels[0]), "ABCDEF");
    EXPECT_EQ(Slot(labels.InputLabels[1]), "AB");

    // The last slot of the store: every byte of the model outside it stays.
    std::vector<byte> before(sizeof m), after(sizeof m);
    std::memcpy(before.data(), &m, sizeof m);
    WriteName(labels.PresetLabels[7], "XYZUVW");
    std::memcpy(after.data(), &m, sizeof m);
    const auto slot = static_cast<std::size_t>(reinterpret_cast<const byte*>(&labels.PresetLabels[7]) -
                                               reinterpret_cast<const byte*>(&m));
    for (std::size_t i = 0; i < sizeof m; ++i) {
        if (i >= slot && i < slot + NameSlotSize) continue;
        ASSERT_EQ(before[i], after[i]) << "byte " << i;
    }
    EXPECT_EQ(Slot(labels.PresetLabels[7]), "XYZUVW");
}

TEST_F(LabelsTest, NamesAreStoredInTheWindowsCodePage) {
    struct Case {
        const char* typed;
        std::vector<byte> stored;
        const char* readBack;
    };
    const std::vector<Case> cases = {
        {"CAM1", {'C', 'A', 'M', '1', 0}, "CAM1"},
        {"Café", {'C', 'a', 'f', 0xE9, 0}, "Café"},
        {"€5", {0x80, '5', 0}, "€5"},
        {"摄像机", {'?', '?', '?', 0}, "???"},
        {"A😀B", {'A', '?', 'B', 0}, "A?B"},
        {"\xff"
         "A",
         {'?', 'A', 0},
         "?A"},  // malformed text
        {"ÀÉÎÕÜ…", {0xC0, 0xC9, 0xCE, 0xD5, 0xDC, 0x85}, "ÀÉÎÕÜ…"},
        {"TOOLONG", {'T', 'O', 'O', 'L', 'O', 'N'}, "TOOLON"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        NameSlot slot{};
        WriteName(slot, c.typed);
        EXPECT_EQ(std::vector<byte>(slot, slot + c.stored.size()), c.stored);
        EXPECT_EQ(ReadName(slot), c.readBack);
    }
    // Every byte a file can hold reads back as the same byte.
    for (int b = 1; b < 256; ++b) {
        NameSlot slot{static_cast<byte>(b), 0};
        NameSlot again{};
        WriteName(again, ReadName(slot));
        EXPECT_EQ(again[0], b) << "byte " << b;
    }
}

TEST_F(LabelsTest, AccessibleNamesCarryANameThatIsNotTheNumber) {
    EXPECT_EQ(NamedControl("Input", 3, "CAM1"), "Input 3, CAM1");
    EXPECT_EQ(NamedControl("Input", 3, "3"), "Input 3");
    EXPECT_EQ(NamedControl("Input", 3, ""), "Input 3");
    EXPECT_EQ(NamedControl("Preset", 2, "12"), "Preset 2, 12");
}

TEST_F(LabelsTest, EnterLeavesTheBoxAndMovesToTheNextOfTheChain) {
    struct Case {
        NameBox from;
        NameBox to;
    };
    const std::vector<Case> cases = {
        {{In, 2}, {In, 3}},   {{In, 15}, {Out, 0}}, {{Out, 15}, {Grp, 0}},
        {{Grp, 7}, {Pre, 0}}, {{Pre, 7}, {In, 0}},  {{Pre, 3}, {Pre, 4}},
    };
    for (const auto& c : cases) {
        rig.nameBoxes.focused.clear();
        EXPECT_TRUE(rig.core.NameBoxKeyPress(c.from, 13));
        ASSERT_EQ(rig.nameBoxes.focused.size(), 1u);
        EXPECT_EQ(rig.nameBoxes.focused[0], c.to) << static_cast<int>(c.from.Family) << "/" << c.from.Index;
    }

    // The box left runs its exit action.
    rig.nameBoxes.Type(Grp, 3, "SPORT");
    rig.core.NameBoxKeyPress({Grp, 3}, 13);
    EXPECT_EQ(rig.names.groups[3], "Group 4 (SPORT)");

    // Any other character is the box's.
    rig.nameBoxes.focused.clear();
    EXPECT_FALSE(rig.core.NameBoxKeyPress({In, 0}, 'A'));
    EXPECT_FALSE(rig.core.NameBoxKeyPress({In, 0}, 10));
    EXPECT_TRUE(rig.nameBoxes.focused.empty());
}

TEST_F(LabelsTest, EnterSkipsTheDisabledBoxesOfAnEightByEightSwitcher) {
    EightByEight();
    rig.core.NameBoxKeyPress({In, 7}, 13);
    rig.core.NameBoxKeyPress({Out, 7}, 13);
    EXPECT_EQ(rig.nameBoxes.focused, (std::vector<NameBox>{{Out, 0}, {Grp, 0}}));
}

TEST_F(LabelsTest, ResetPutsTheNumbersBackAndWritesOnlyTheGroupSlots) {
    for (int o = 0; o < 16; ++o) Name(Out, o, "O" + std::to_string(o));
    Name(Grp, 4, "NEWS");
    rig.core.Names().GatherLabels();

    rig.core.ResetOutputLabelsButtonClick();
    for (int o = 0; o < 16; ++o) {
        EXPECT_EQ(rig.nameBoxes.BoxText({Out, o}), std::to_string(o + 1));
        EXPECT_EQ(rig.names.outputs[static_cast<std::size_t>(o)], std::to_string(o + 1));
        EXPECT_EQ(Slot(labels.OutputLabels[o]), "O" + std::to_string(o)) << "output slots wait for a gather";
    }

    rig.core.ResetGroupLabelsButtonClick();
    EXPECT_EQ(rig.names.groups[4], "Group 5 (5)");
    EXPECT_EQ(Slot(labels.GroupLabels[4]), "5");

    Name(Pre, 0, "AM");
    Name(In, 0, "CAM");
    rig.core.ResetPresetLabelsButtonClick();
    rig.core.ResetInputLabelsButtonClick();
    EXPECT_EQ(rig.names.presets[0], "1");
    EXPECT_EQ(rig.names.inputs[0], "1");
    EXPECT_TRUE(NothingSent());
}

TEST_F(LabelsTest, GatherTakesInputsAndOutputsOnlyBelowTheCounts) {
    for (int i = 0; i < 16; ++i) {
        rig.nameBoxes.Type(In, i, "I" + std::to_string(i));
        rig.nameBoxes.Type(Out, i, "O" + std::to_string(i));
    }
    EightByEight();
    rig.core.Names().GatherLabels();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Slot(labels.InputLabels[i]), "I" + std::to_string(i));
        EXPECT_EQ(Slot(labels.OutputLabels[i]), "O" + std::to_string(i));
    }
    for (int i = 8; i < 16; ++i) {
        EXPECT_EQ(Slot(labels.InputLabels[i]), std::to_string(i + 1))
            << "input slot " << i << " keeps its name";
        EXPECT_EQ(Slot(labels.OutputLabels[i]), std::to_string(i + 1));
    }
}

TEST_F(LabelsTest, ApplyFillsEveryBoxWhateverTheCountsAndShowsTheNames) {
    EightByEight();
    WriteName(labels.InputLabels[15], "CH16");
    WriteName(labels.OutputLabels[9], "REC10");
    WriteName(labels.GroupLabels[0], "ABCDEF");
    WriteName(labels.PresetLabels[2], "");
    rig.core.Names().ApplyLabels();
    EXPECT_EQ(rig.nameBoxes.BoxText({In, 15}), "CH16");
    EXPECT_EQ(rig.names.inputs[15], "CH16");
    EXPECT_EQ(rig.names.outputs[9], "REC10");
    EXPECT_EQ(rig.names.groups[0], "Group 1 (ABCDEF)");
    EXPECT_EQ(rig.nameBoxes.BoxText({Pre, 2}), "");
    EXPECT_EQ(rig.names.presets[2], "");
}

}  // namespace
}  // namespace vx
