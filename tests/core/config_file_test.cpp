// The configuration file on the panel core: the 520-byte layout, save and load, the
// size check, the bytes carried through, and a file action during a wait.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PanelRig.h"
#include "labels/ConfigFileTexts.h"
#include "labels/NameText.h"

namespace vx {
namespace {

using Bytes = std::vector<byte>;
constexpr const char* File = "/configs/studio.cfg";

// A name slot as the file holds it after a write into a zeroed slot.
void PutName(Bytes& file, std::size_t at, const std::string& name) {
    for (std::size_t i = 0; i < name.size() && i < 6; ++i) file[at + i] = static_cast<byte>(name[i]);
}

class ConfigFileTest : public testing::Test {
protected:
    void Save(const std::string& path = File) {
        rig.prompts.savePaths.push_back(path);
        rig.core.SaveConfigurationtoFile1Click();
    }
    void Load(const std::string& path = File) {
        rig.prompts.openPaths.push_back(path);
        rig.core.OpenConfigurationFile1Click();
    }
    Bytes& Disk(const std::string& path = File) { return rig.files.files[path]; }
    Bytes ModelBytes() const {
        Bytes b(sizeof m);
        std::memcpy(b.data(), &m, sizeof m);
        return b;
    }
    void Name(NameFamily f, int i, const std::string& text) {
        rig.nameBoxes.Type(f, i, text);
        rig.core.NameBoxExit({f, i});
    }
    // Every output's route, group tables and names set to something a test can recognise.
    void Furnish() {
        for (int i = 0; i < 16; ++i) {
            Name(NameFamily::Input, i, "IN" + std::to_string(i + 1));
            Name(NameFamily::Output, i, "OUT" + std::to_string(i + 1));
        }
        for (int g = 0; g < 8; ++g) Name(NameFamily::Group, g, "G" + std::to_string(g + 1));
        for (int p = 0; p < 8; ++p) Name(NameFamily::Preset, p, "P" + std::to_string(p + 1));
        rig.grouping.selected = 2;
        rig.core.GroupOutputButtonClick(4);
        rig.core.GroupInputButtonClick(6);
        for (int i = 0; i < 16; ++i) m.Routes[i] = {static_cast<byte>((i + 3) % 16), 1};
        m.Routes[1] = {9, 0};         // pending route
        m.Routes[2] = {NO_INPUT, 0};  // pending disconnect
        m.Routes[15] = {NO_INPUT, 1};
    }

    test::PanelRig rig;
    SwitcherState& m = rig.core.Model();
};

TEST_F(ConfigFileTest, AFreshModelSavesTheDocumentedBytes) {
    Save();
    Bytes expected(520, 0);
    for (int i = 0; i < 16; ++i) expected[1 + 2 * i] = 252, expected[2 + 2 * i] = 1;
    for (std::size_t at = 57; at < 201; ++at) expected[at] = 252;  // no input members, no output groups
    for (int i = 0; i < 16; ++i) {
        PutName(expected, 214 + 6 * i, std::to_string(i + 1));
        PutName(expected, 316 + 6 * i, std::to_string(i + 1));
    }
    for (int g = 0; g < 8; ++g) PutName(expected, 418 + 6 * g, std::to_string(g + 1));
    for (int p = 0; p < 8; ++p) PutName(expected, 472 + 6 * p, std::to_string(p + 1));
    EXPECT_EQ(Disk(), expected);
    EXPECT_TRUE(rig.prompts.messages.empty()) << "a successful save shows nothing";
    EXPECT_EQ(rig.prompts.dialogTitles, std::vector<std::string>{SaveConfigTitle});
    EXPECT_EQ(rig.window.hourglassHistory, (std::vector<bool>{true, false}));
}

TEST_F(ConfigFileTest, SaveThenLoadGivesBackNamesGroupsAndEveryRoute) {
    Furnish();
    Save();
    const Bytes saved = Disk();
    Bytes image(520);
    std::memcpy(image.data(), &m.Config, 520);
    const Bytes routes(reinterpret_cast<const byte*>(m.Routes), reinterpret_cast<const byte*>(m.Routes) + 32);
    const Bytes groups(reinterpret_cast<const byte*>(&m.Groups),
                       reinterpret_cast<const byte*>(&m.Groups) + 170);
    EXPECT_EQ(saved, image);
    EXPECT_EQ(saved[1 + 2 * 1], 9);
    EXPECT_EQ(saved[2 + 2 * 1], 0) << "the pending route is saved pending";
    EXPECT_EQ(saved[33 + 2], 2) << "group 3 has two members";

    // Everything changes.
    rig.core.ResetInputLabelsButtonClick();
    rig.core.ResetOutputLabelsButtonClick();
    rig.core.ResetGroupLabelsButtonClick();
    rig.core.ResetPresetLabelsButtonClick();
    rig.core.GroupingRemoveAllButtonClick();
    for (auto& r : m.Routes) r = {NO_INPUT, 1};
    rig.core.Names().GatherLabels();
    rig.core.FormShow();  // events suppressed until the first load
    rig.grouping.selected = 5;

    Load();

    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{ConfigLoadedText});
    EXPECT_EQ(std::memcmp(&m.Config, saved.data(), 520), 0);
    EXPECT_EQ(std::memcmp(m.Routes, routes.data(), 32), 0);
    EXPECT_EQ(std::memcmp(&m.Groups, groups.data(), 170), 0);
    EXPECT_EQ(m.EventsSuppressed, 0) << "the first load releases the window";
    // The window shows the file.
    EXPECT_EQ(rig.nameBoxes.BoxText({NameFamily::Input, 15}), "IN16");
    EXPECT_EQ(rig.names.inputs[0], "IN1");
    EXPECT_EQ(rig.names.outputs[15], "OUT16");
    EXPECT_EQ(rig.names.groups[2], "Group 3 (G3)");
    EXPECT_EQ(rig.names.presets[7], "P8");
    EXPECT_EQ(rig.routing.labelText[1], "10");
    EXPECT_EQ(rig.routing.labelColour[1], Colour::Red);
    EXPECT_EQ(rig.routing.labelText[2], "--");
    EXPECT_EQ(rig.routing.labelColour[2], Colour::Red);
    EXPECT_EQ(rig.routing.labelText[0], "4");
    EXPECT_EQ(rig.routing.labelColour[0], Colour::Lime);
    EXPECT_EQ(rig.routing.labelColour[15], Colour::ButtonFace);
    EXPECT_EQ(rig.grouping.selected, 0) << "the selector returns to group 1";
    EXPECT_TRUE(rig.grouping.existChecked[2]);
    EXPECT_FALSE(rig.grouping.existChecked[0]);
    EXPECT_EQ(rig.window.hourglassHistory, (std::vector<bool>{true, false, true, false}));
}

TEST_F(ConfigFileTest, AFileThatIsNotExactly520BytesIsRefusedAndNothingChanges) {
    struct Case {
        const char* what;
        std::size_t size;
        std::size_t readTo;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"519 bytes", 519, 520, ConfigSizeError},
        {"521 bytes", 521, 520, ConfigSizeError},
        {"empty", 0, 520, ConfigSizeError},
        {"520 bytes of which 300 could be read", 520, 300, ConfigSizeError},
    };
    rig.core.FormShow();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rig.prompts.messages.clear();
        rig.files.shortReadTo = c.readTo;
        Disk() = Bytes(c.size, 0x41);
        const Bytes before = ModelBytes();
        const auto names = rig.names.inputs;
        const auto labelsShown = rig.routing.labelText;
        const int drawn = rig.routing.calls;
        Load();
        EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(ModelBytes(), before);
        EXPECT_EQ(rig.names.inputs, names);
        EXPECT_EQ(rig.routing.labelText, labelsShown);
        EXPECT_EQ(rig.routing.calls, drawn);
        EXPECT_EQ(m.EventsSuppressed, 1);
    }
    rig.prompts.messages.clear();
    Load("/configs/missing.cfg");
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{ConfigOpenError});
    EXPECT_FALSE(rig.window.hourglass) << "the hourglass is gone before the message";
}

TEST_F(ConfigFileTest, ASixteenBySixteenFileAtEightByEightRedrawsOnlyTheLiveOutputs) {
    Furnish();
    Save();
    for (auto& r : m.Routes) r = {NO_INPUT, 1};
    m.OutputCount = 8;
    m.InputCount = 8;
    rig.routing.labelText.fill("untouched");

    Load();

    EXPECT_EQ(m.Routes[12].Input, 15) << "all sixteen routes reach the model";
    EXPECT_EQ(m.Routes[1].Input, 9);
    EXPECT_EQ(rig.nameBoxes.BoxText({NameFamily::Input, 15}), "IN16");
    for (int i = 0; i < 8; ++i)
        EXPECT_NE(rig.routing.labelText[static_cast<std::size_t>(i)], "untouched") << i;
    for (int i = 8; i < 16; ++i)
        EXPECT_EQ(rig.routing.labelText[static_cast<std::size_t>(i)], "untouched") << i;
    EXPECT_EQ(m.OutputCount, 8);
    EXPECT_EQ(m.InputCount, 8);
}

TEST_F(ConfigFileTest, ReservedBytesAndSpareSlotsAreCarriedThroughALoadAndASave) {
    Save();
    Bytes file = Disk();
    file[0] = 7;
    for (std::size_t at = 203; at < 214; ++at) file[at] = static_cast<byte>(at);
    for (std::size_t spare : {310u, 412u, 466u})
        for (std::size_t k = 0; k < 6; ++k) file[spare + k] = static_cast<byte>(0xA0 + k);
    Disk("/configs/other.cfg") = file;
    Load("/configs/other.cfg");
    Save("/configs/again.cfg");
    EXPECT_EQ(Disk("/configs/again.cfg"), file);
}

TEST_F(ConfigFileTest, AtEightByEightTheNamesOfInputsNineToSixteenAreNotGathered) {
    Save();
    m.InputCount = 8;
    m.OutputCount = 8;
    for (int i = 0; i < 16; ++i) rig.nameBoxes.Type(NameFamily::Input, i, "NEW");
    Save("/configs/eight.cfg");
    const Bytes& file = Disk("/configs/eight.cfg");
    EXPECT_EQ(file[214 + 6 * 7], 'N');
    EXPECT_EQ(file[214 + 6 * 8], '9') << "input 9 keeps the name its slot held";
    EXPECT_EQ(file[214 + 6 * 15], '1');
    EXPECT_EQ(file[214 + 6 * 15 + 1], '6');
}

TEST_F(ConfigFileTest, AFailedSaveSaysSoAfterTheHourglassAndKeepsTheOldFile) {
    Save();
    const Bytes old = Disk();
    Name(NameFamily::Input, 0, "CAM1");
    rig.files.failWrites = true;
    Save();
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{ConfigCreateError});
    EXPECT_EQ(Disk(), old);
    EXPECT_FALSE(rig.window.hourglass);
    EXPECT_EQ(ReadName(m.Labels().InputLabels[0]), "CAM1") << "the names were gathered before the write";
}

TEST_F(ConfigFileTest, CancellingEitherDialogChangesNothing) {
    const Bytes before = ModelBytes();
    rig.core.SaveConfigurationtoFile1Click();
    rig.core.OpenConfigurationFile1Click();
    EXPECT_EQ(rig.prompts.dialogTitles, (std::vector<std::string>{SaveConfigTitle, OpenConfigTitle}));
    EXPECT_EQ(rig.files.reads + rig.files.writes, 0);
    EXPECT_EQ(ModelBytes(), before);
    EXPECT_TRUE(rig.window.hourglassHistory.empty());
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(ConfigFileTest, ALoadSendsNothingAndTheSelectedOutputFollowsTheFile) {
    rig.SwitcherOnCom(1);
    rig.core.SearchAllClick();
    ASSERT_TRUE(rig.core.Link().SerialLinkActive);
    Furnish();
    Save();
    // The operator now has no group and output 5 selected with input 1 routed to it.
    rig.core.GroupingRemoveAllButtonClick();
    for (auto& r : m.Routes) r = {0, 1};
    rig.core.OutputButtonClick(4);
    ASSERT_EQ(rig.routing.inputColour[0], Colour::Yellow);
    ASSERT_TRUE(rig.routing.inputEnabled[0]);
    rig.fakes.serial.writes.clear();
    rig.prompts.messages.clear();

    Load();

    EXPECT_TRUE(rig.SerialCommands().empty()) << rig.SerialCommands().front();
    EXPECT_EQ(rig.prompts.messages, std::vector<std::string>{ConfigLoadedText});
    // Output 5 has input 8 in the file, and belongs to group 3, whose only input is 7.
    EXPECT_EQ(rig.routing.inputColour[0], Colour::ButtonFace);
    EXPECT_EQ(rig.routing.inputColour[7], Colour::Yellow);
    EXPECT_TRUE(rig.routing.inputEnabled[6]);
    EXPECT_FALSE(rig.routing.inputEnabled[0]) << "the loaded group rule applies at once";
}

TEST_F(ConfigFileTest, StrayValuesInAFileNeverReachPastAnArrayOrAWidget) {
    for (const byte fill : {byte{0xFF}, byte{0x7F}, byte{16}, byte{8}}) {
        SCOPED_TRACE(static_cast<int>(fill));
        Disk() = Bytes(520, fill);
        Load();
        // The recording views throw on an index past their widgets.
        for (int o = 0; o < 16; ++o) rig.core.OutputButtonClick(o);
        for (int k = 0; k < 16; ++k) rig.core.InputButtonClick(k);
        rig.core.CancelTakeButtonClick();
        for (int g = 0; g < 8; ++g) {
            rig.grouping.selected = g;
            rig.core.GroupingRadioGroupClick();
            rig.core.GroupOutputButtonClick(g);
            rig.core.GroupInputButtonClick(g);
        }
        rig.core.GroupingRemoveAllButtonClick();
        Save("/configs/stray.cfg");
        EXPECT_EQ(Disk("/configs/stray.cfg").size(), 520u);
    }
}

// A file action waits for no answer, but it must not start in the middle of one: it is
// ignored, as a guarded handler is while the panel is busy.
TEST_F(ConfigFileTest, AFileActionDuringAStatusReadIsIgnored) {
    for (bool save : {true, false}) {
        SCOPED_TRACE(save ? "save" : "load");
        test::PanelRig r;
        r.SwitcherOnCom(1);
        r.core.SearchAllClick();
        ASSERT_TRUE(r.core.Link().SerialLinkActive);
        r.files.files[File] = Bytes(520, 0);
        r.prompts.savePaths.push_back(File);
        r.prompts.openPaths.push_back(File);
        r.prompts.messages.clear();
        // Answers that take a few event rounds to come, so an action can arrive meanwhile.
        r.fakes.serial.onWrite = [&r](const std::string& line) {
            r.fakes.serial.Answer(test::FakeSwitcherAnswer(line), 50);
        };
        bool tried = false;
        r.duringEvents = [&] {
            if (tried || !r.core.Link().ReplyPending) return;
            tried = true;
            if (save)
                r.core.SaveConfigurationtoFile1Click();
            else
                r.core.OpenConfigurationFile1Click();
            // Leaving a name box is not an action on the link: it runs even now.
            r.nameBoxes.Type(NameFamily::Group, 0, "LIVE");
            r.core.NameBoxExit({NameFamily::Group, 0});
        };
        r.core.ReadfromVextaros1Click();
        EXPECT_TRUE(tried);
        EXPECT_TRUE(r.prompts.dialogTitles.empty()) << "no dialog was opened";
        EXPECT_EQ(r.files.reads + r.files.writes, 0);
        EXPECT_TRUE(r.prompts.messages.empty()) << r.prompts.messages.front();
        EXPECT_EQ(r.names.groups[0], "Group 1 (LIVE)");
    }
}

}  // namespace
}  // namespace vx
