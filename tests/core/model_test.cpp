#include <gtest/gtest.h>

#include <cstring>

#include "model/ModelCodes.h"
#include "model/NameSlots.h"
#include "model/SwitcherState.h"

namespace vx {
namespace {

TEST(SwitcherStateTest, FreshModelIsAnEmptySixteenBySixteen) {
    SwitcherState m;
    EXPECT_EQ(m.OutputCount, 16);
    EXPECT_EQ(m.InputCount, 16);
    EXPECT_EQ(m.HandlerBusy, 0);
    EXPECT_EQ(m.EventsSuppressed, 0);
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_EQ(m.SelectedOutput, NO_INPUT);
    EXPECT_EQ(m.SelectedPreset, NO_INPUT);
    for (int i = 0; i < MaxOutputs; ++i) {
        EXPECT_EQ(m.Routes[i].Input, NO_INPUT);
        EXPECT_EQ(m.Routes[i].Committed, 1);
        EXPECT_EQ(m.PrevInputs[i], NO_INPUT);
        EXPECT_EQ(m.Reclockers[i], 0);
        EXPECT_EQ(m.Groups.OutputGroups[i], NO_INPUT);
    }
    for (int g = 0; g < GroupCount; ++g) {
        EXPECT_EQ(m.Groups.MemberCounts[g], 0);
        for (int k = 0; k < MaxInputs; ++k) EXPECT_EQ(m.Groups.InputMembers[g][k], NO_INPUT);
    }
    for (int p = 0; p < PresetCount; ++p) {
        EXPECT_EQ(m.Presets[p].Stored, 0);
        EXPECT_EQ(m.Presets[p].Routes[15].Input, NO_INPUT);
        EXPECT_EQ(m.PresetGroups[p].OutputGroups[0], NO_INPUT);
    }
    EXPECT_EQ(ReadNameSlot(m.Labels().InputLabels[15]), "16");
    EXPECT_EQ(ReadNameSlot(m.Labels().PresetLabels[7]), "8");
    // Labels live inside the configuration image.
    EXPECT_EQ(reinterpret_cast<const byte*>(&m.Labels()), reinterpret_cast<const byte*>(&m.Config) + 214);
}

TEST(SwitcherStateTest, ModelCodeSetsSizeAndUnknownCodesChangeNothing) {
    struct Case {
        int code;
        int expected;
    };
    SwitcherState m;
    for (Case c : {Case{10, 8}, Case{12, 16}, Case{10, 8}, Case{0, 8}, Case{20, 16}, Case{99, 16}, Case{11, 16}}) {
        m.Info.ModelCode = static_cast<byte>(c.code);
        m.SetSizeFromModelCode();
        EXPECT_EQ(m.OutputCount, c.expected) << "code " << c.code;
        EXPECT_EQ(m.InputCount, c.expected) << "code " << c.code;
    }
    ASSERT_TRUE(DescribeModelCode(10));
    EXPECT_STREQ(DescribeModelCode(10)->Title, "Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)");
    EXPECT_STREQ(DescribeModelCode(20)->Title, "Tavrel Kessway, LLC :- VX Control HD-15 (16 x 16)");
    EXPECT_FALSE(DescribeModelCode(0));
}

TEST(SwitcherStateTest, ReclockerMaskFollowsTheLiveOutputsOnly) {
    SwitcherState m;
    m.ReclockersFromMask(0x0005);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(m.Reclockers[i], (i == 0 || i == 2) ? 1 : 0) << i;

    for (int i = 8; i < 16; ++i) m.Reclockers[i] = 1;
    m.OutputCount = 8;
    m.ReclockersFromMask(0x0100);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(m.Reclockers[i], 0) << i;
    for (int i = 8; i < 16; ++i) EXPECT_EQ(m.Reclockers[i], 1) << "entry beyond the count is kept " << i;
    EXPECT_EQ(m.MaskFromReclockers(), 0) << "bits 8 to 15 are never set on 8 outputs";

    m.Reclockers[7] = 1;
    EXPECT_EQ(m.MaskFromReclockers(), 0x0080);
    m.OutputCount = 16;
    EXPECT_EQ(m.MaskFromReclockers(), 0xFF80);
}

TEST(SwitcherStateTest, ReclockerMaskIsLittleEndianInTheImage) {
    SwitcherState m;
    const byte raw[20] = {0, 0, 0, 0, 0x01, 0x80};
    std::memcpy(&m.Info, raw, sizeof raw);
    EXPECT_EQ(m.Info.ReclockerMask.Get(), 0x8001);
}

TEST(NameSlotTest, SlotsNeverRunIntoEachOther) {
    LabelStore labels;
    std::memset(&labels, 0xAA, sizeof labels);
    WriteNameSlot(labels.InputLabels[0], "CAMERA");
    WriteNameSlot(labels.InputLabels[1], "AB");
    EXPECT_EQ(ReadNameSlot(labels.InputLabels[0]), "CAMERA");
    EXPECT_EQ(ReadNameSlot(labels.InputLabels[1]), "AB");
    EXPECT_EQ(labels.InputLabels[1][3], 0xAA) << "bytes after the terminator keep their value";

    WriteNameSlot(labels.PresetLabels[7], "TOOLONGNAME");
    EXPECT_EQ(ReadNameSlot(labels.PresetLabels[7]), "TOOLON");
    EXPECT_EQ(labels.GroupLabels[7][0], 0xAA);
    EXPECT_EQ(labels.SpareAfterGroups[5], 0xAA);

    WriteNameSlot(labels.GroupLabels[2], "");
    EXPECT_EQ(ReadNameSlot(labels.GroupLabels[2]), "");
}

}  // namespace
}  // namespace vx
