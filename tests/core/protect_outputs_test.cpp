// Protected outputs on the panel core: every path that changes a route leaves a protected
// output alone, and the protection is the switcher's, kept in the panel's settings file.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include "TakeHistoryRig.h"
#include "TempWorkingDir.h"
#include "protect/ProtectSettings.h"
#include "settings/PanelSettingsFile.h"

namespace vx {
namespace {

using Lines = std::vector<std::string>;

class ProtectOutputsTest : public testing::Test {
protected:
    void SetUp() override { core.ProtectOutputClick(2); }  // output 3
    void TypeKeys(std::initializer_list<KeyStroke> keys) {
        for (KeyStroke k : keys) core.VideoPageKey(k);
    }

    test::TakeHistoryRig h;
    PanelCore& core = h.rig.core;
    SwitcherState& m = h.m;
};

TEST_F(ProtectOutputsTest, AProtectedOutputCannotBeSelectedByClickOrKey) {
    ASSERT_TRUE(core.IsProtected(2));
    core.OutputButtonClick(2);
    EXPECT_EQ(m.SelectedOutput, NO_INPUT);
    EXPECT_EQ(h.Status(), "Output 3 is protected: unprotect it to change it.");
    core.InputButtonClick(6);
    TypeKeys({{RoutingKey::Output},
              {RoutingKey::Digit, 3},
              {RoutingKey::Enter},
              {RoutingKey::Input},
              {RoutingKey::Digit, 7},
              {RoutingKey::Enter},
              {RoutingKey::Take}});
    EXPECT_EQ(m.SelectedOutput, NO_INPUT);
    // Only the Take key's own line, after the read that comes before any take while an
    // output is protected.
    EXPECT_EQ(h.Sent(), (Lines{"OINFOVX", "OPINFOVX", "TAKE 1"}));
    EXPECT_EQ(m.Routes[2].Input, 1);
}

TEST_F(ProtectOutputsTest, ItsReclockerBoxIsDrawnBackAndNothingSent) {
    h.rig.routing.ClickReclocker(2);
    core.ReclockerCheckBoxClick(2);
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(m.Reclockers[2], 0);
    EXPECT_FALSE(h.rig.routing.reclocker[2]);
}

TEST_F(ProtectOutputsTest, PKeyNumberAndEnterUnprotectAndProtectAgain) {
    std::vector<int> told;
    core.OnProtectionChanged([&](int o) { told.push_back(o); });
    TypeKeys({{RoutingKey::Protect}, {RoutingKey::Digit, 3}, {RoutingKey::Enter}});
    EXPECT_FALSE(core.IsProtected(2));
    EXPECT_EQ(h.Status(), "Output 3 is no longer protected.");
    TypeKeys({{RoutingKey::Protect}, {RoutingKey::Digit, 1}, {RoutingKey::Digit, 7}, {RoutingKey::Enter}});
    EXPECT_EQ(h.Status(), "Keyboard: there is no output 17 (outputs 1 to 16)");
    TypeKeys({{RoutingKey::Protect}, {RoutingKey::Digit, 3}, {RoutingKey::Enter}});
    EXPECT_TRUE(core.IsProtected(2));
    EXPECT_EQ(told, (std::vector<int>{2, 2}));
    EXPECT_TRUE(h.Sent().empty()) << "protection is the panel's: nothing goes to the switcher";
}

TEST_F(ProtectOutputsTest, AnOutputWithAPendingRouteOrUnderAPreviewIsNotProtected) {
    h.Pend(5, 9);
    core.ProtectOutputClick(4);
    EXPECT_FALSE(core.IsProtected(4));
    EXPECT_EQ(h.Status(), "Output 5 has a pending route: Take or Cancel it first.");
    core.CancelTakeButtonClick();
    h.StorePresetCopy(1, {{5, 9}});
    h.Preview(1);
    core.ProtectOutputClick(4);
    EXPECT_FALSE(core.IsProtected(4));
    EXPECT_EQ(h.Status(), "A preset preview is open: Confirm or Cancel it first.");
}

TEST_F(ProtectOutputsTest, ProtectingTheSelectedOutputLetsItGo) {
    core.OutputButtonClick(5);
    core.ProtectOutputClick(5);
    EXPECT_EQ(m.SelectedOutput, NO_INPUT);
    EXPECT_EQ(h.rig.routing.outputColour[5], Colour::ButtonFace);
    core.InputButtonClick(8);
    EXPECT_TRUE(h.Sent().empty());
}

TEST_F(ProtectOutputsTest, ARecallThatWouldChangeItIsRefusedBeforeItsPreview) {
    h.StorePresetCopy(2, {{3, 9}, {5, 9}});
    h.Preview(2);
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_EQ(h.Status(), "Preset 2 not recalled: it would change protected output 3.");
    core.PresetRecallConfirmButtonClick();
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(m.Routes[4].Input, 1);

    h.StorePresetCopy(4, {{5, 9}}, 0x0004);  // only output 3's reclocker differs
    core.PresetButtonClick(3);
    EXPECT_EQ(m.PreviewActive, 0);
    EXPECT_EQ(h.Status(), "Preset 4 not recalled: it would change protected output 3.");

    h.StorePresetCopy(6, {{5, 9}});  // leaves output 3 alone
    core.PresetButtonClick(5);
    core.PresetRecallConfirmButtonClick();
    // The switcher's own preset 6 is read first ("PINFOVX" numbers presets from 0).
    EXPECT_EQ(h.Sent(), (Lines{"OPINFOVX", "PINFOVX 5", "RPRST 6 1"}));
}

TEST(ProtectConfirm, AConfirmThatWouldChangeAnOutputProtectedSinceThePreviewIsRefused) {
    test::TempWorkingDir dir;
    test::TakeHistoryRig h;
    h.StorePresetCopy(2, {{3, 9}});
    h.Preview(2);
    // Protection can also arrive from the settings file, preview or not.
    ASSERT_TRUE(WriteProtectedOutputs("VXPanel.ini", {{"10.0.0.7", {2}}}));
    h.rig.core.LoadPanelSettings("VXPanel.ini");
    h.rig.core.TakeButtonClick();
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(h.Status(), "Preset 2 not recalled: it would change protected output 3.");
    EXPECT_EQ(h.m.PreviewActive, 1) << "the preview stays for the operator to cancel";
}

TEST_F(ProtectOutputsTest, ASequenceStepThatWouldChangeItIsSkipped) {
    h.StorePresetCopy(1, {{3, 9}});
    h.StorePresetCopy(2, {{4, 9}});
    h.rig.sequencing.Row(0, "1", "3");
    h.rig.sequencing.Row(1, "2", "3");
    core.PresetSeqStartButtonClick();
    EXPECT_EQ(h.Sent(), (Lines{"OPINFOVX", "PINFOVX 0"})) << "the switcher is read, nothing recalled";
    EXPECT_EQ(h.Status(), "Sequence step skipped: preset 1 would change protected output 3.");
    EXPECT_TRUE(h.rig.fakes.seqTimer.running) << "the sequence goes on";
    h.rig.fakes.seqTimer.Fire();
    const Lines sent = h.Sent();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[1], "PINFOVX 1");
    EXPECT_EQ(sent[2], "RPRST 2 0");
    h.rig.fakes.seqTimer.Fire();
    EXPECT_EQ(h.Sent(), (Lines{"OPINFOVX", "PINFOVX 0"}));
    EXPECT_EQ(m.Routes[2].Input, 1);
}

TEST_F(ProtectOutputsTest, ClearAllAsksAndOnYesDisconnectsTheOthersByHand) {
    core.ProtectOutputClick(4);  // outputs 3 and 5
    h.Pend(8, 8);
    h.Sent();
    h.rig.prompts.answers = {true};
    core.ClearAllRoutingButtonClick();
    EXPECT_EQ(h.rig.prompts.questions.back(), "Clear every route except protected outputs 3, 5?");
    // With outputs protected the routes are read before anything is taken; the pending
    // route is withdrawn first.
    Lines expected{"OINFOVX", "OPINFOVX", "TAKE 0"};
    for (int o = 1; o <= 16; ++o)
        if (o != 3 && o != 5) expected.push_back("RTEMP " + std::to_string(o) + " 0");
    expected.push_back("TAKE 1");
    EXPECT_EQ(h.Sent(), expected);
    EXPECT_EQ(m.Routes[2].Input, 1);
    EXPECT_EQ(m.Routes[0].Input, NO_INPUT);
    EXPECT_EQ(m.PrevInputs[0], NO_INPUT);
    EXPECT_EQ(core.UndoText().rfind("Undo Take: Clear All Routing, outputs 1, 2, 4, 6,", 0), 0u);
}

TEST_F(ProtectOutputsTest, ClearAllAnsweredNoSendsNothing) {
    h.rig.prompts.answers = {false};
    core.ClearAllRoutingButtonClick();
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(m.Routes[0].Input, 1);
    EXPECT_FALSE(core.CanUndo());
}

TEST_F(ProtectOutputsTest, UndoAndRedoRefuseAStepThatTouchesIt) {
    core.ProtectOutputClick(2);  // unprotected for the take
    h.Pend(3, 5);
    core.TakeButtonClick();
    core.UndoTakeClick();
    core.ProtectOutputClick(2);
    h.Sent();
    core.RedoTakeClick();
    EXPECT_TRUE(h.Sent().empty());
    EXPECT_EQ(h.Status(), "Redo refused: it would change protected output 3.");
}

TEST_F(ProtectOutputsTest, ResetsAndSystemRecallAreRefusedWhileOutputsAreProtected) {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Reset", [this] { core.ResetButtonClick(); }},
        {"Factory Reset", [this] { core.FactoryResetButtonClick(); }},
        {"System Recall", [this] { core.SystemRecallButtonClick(); }}};
    h.rig.prompts.questions.clear();
    for (const auto& [name, click] : commands) {
        h.rig.prompts.answers = {true};
        click();
        EXPECT_TRUE(h.Sent().empty()) << name;
        EXPECT_TRUE(h.rig.prompts.questions.empty()) << name;
        EXPECT_EQ(h.Status(), std::string(name) + " refused: it would change protected output 3.");
    }
}

TEST_F(ProtectOutputsTest, AConfigurationFileOpenedLeavesProtectedRoutesAsTheyAre) {
    core.ProtectOutputClick(2);  // unprotected while the file is made
    h.Pend(3, 9);
    h.Pend(4, 9);
    core.TakeButtonClick();
    h.rig.prompts.savePaths = {"routes.vx"};
    core.SaveConfigurationtoFile1Click();
    core.UndoTakeClick();
    core.ProtectOutputClick(2);
    h.rig.prompts.openPaths = {"routes.vx"};
    core.OpenConfigurationFile1Click();
    EXPECT_EQ(m.Routes[3].Input, 8) << "an output that is not protected takes the file's route";
    EXPECT_EQ(m.Routes[2].Input, 1);
    EXPECT_EQ(h.rig.routing.labelText[2], "2");
}

TEST(ProtectBeforeRead, NoSwitcherReadMeansNothingToProtectItFor) {
    test::PanelRig rig;
    rig.core.ProtectOutputClick(2);
    EXPECT_FALSE(rig.core.IsProtected(2));
    EXPECT_EQ(rig.window.status, "Protection belongs to a switcher: read the switcher first.");
}

TEST(ProtectSettings, KeptPerSwitcherInThePanelSettingsBesideOtherLines) {
    test::TempWorkingDir dir;
    {
        std::ofstream("VXPanel.ini") << "FollowSwitcher=1\nProtectedOutputs.10.0.0.9=1,2\n";
        test::TakeHistoryRig h;
        h.rig.core.LoadPanelSettings("VXPanel.ini");
        EXPECT_FALSE(h.rig.core.IsProtected(0)) << "10.0.0.9 is another switcher";
        h.rig.core.ProtectOutputClick(4);
        h.rig.core.ProtectOutputClick(15);
    }
    EXPECT_EQ(ReadPanelSettingsLines("VXPanel.ini"),
              (Lines{"FollowSwitcher=1", "ProtectedOutputs.10.0.0.7=5,16", "ProtectedOutputs.10.0.0.9=1,2"}));

    test::PanelRig later;
    later.core.LoadPanelSettings("VXPanel.ini");
    EXPECT_FALSE(later.core.IsProtected(4)) << "no switcher read yet";
    later.SwitcherOnCom(2);
    later.prompts.answers = {true};
    later.core.FormShow();
    later.core.StartupConnection();
    EXPECT_TRUE(later.core.IsProtected(4));
    EXPECT_TRUE(later.core.IsProtected(15));
    EXPECT_FALSE(later.core.IsProtected(0));
}

// Protection follows the switcher: a new address on the same link is the same switcher,
// another switcher on a link chosen anew says that its protection is its own.
TEST(ProtectSettings, AnAddressChangedOnTheSameLinkCarriesTheProtectionOver) {
    test::TempWorkingDir dir;
    test::TakeHistoryRig h;
    h.rig.core.LoadPanelSettings("VXPanel.ini");
    h.rig.core.ProtectOutputClick(0);
    h.AtSwitcher("IPCONFIG 10 0 0 8");  // changed elsewhere, then read
    h.rig.core.ReadfromVextaros1Click();
    EXPECT_TRUE(h.rig.core.IsProtected(0));
    EXPECT_EQ(h.Status(), "The switcher's address is now 10.0.0.8: its protected output 1 stays protected.");
    EXPECT_EQ(ReadProtectedOutputs("VXPanel.ini"), (ProtectionBySwitcher{{"10.0.0.8", {0}}}));
    h.Sent();
    h.rig.core.OutputButtonClick(0);
    h.rig.core.InputButtonClick(6);
    EXPECT_TRUE(h.Sent().empty()) << "still refused";
}

TEST(ProtectSettings, AnotherSwitcherOnALinkChosenAnewSaysItHasNoProtectionYet) {
    test::TempWorkingDir dir;
    test::TakeHistoryRig h;
    h.rig.core.LoadPanelSettings("VXPanel.ini");
    h.rig.core.ProtectOutputClick(0);
    h.AtSwitcher("IPCONFIG 10 0 0 9");  // stands for another switcher on the port
    h.rig.prompts.answers = {true};
    h.rig.core.DisconnectSerialCommunication1Click();
    h.rig.core.COMClick(2);
    EXPECT_FALSE(h.rig.core.IsProtected(0));
    EXPECT_EQ(h.Status(), "The switcher at 10.0.0.9 has no protected outputs yet.");
    EXPECT_EQ(ReadProtectedOutputs("VXPanel.ini"), (ProtectionBySwitcher{{"10.0.0.7", {0}}})) << "kept for its own";
}

TEST(ProtectSettings, LinesThatAreNotOutputsAreLeftOut) {
    test::TempWorkingDir dir;
    std::ofstream("VXPanel.ini") << "ProtectedOutputs.10.0.0.7=3,x,0,17,16,\nProtectedOutputs.=1\n"
                                    "ProtectedOutputs.10.0.0.8\n";
    EXPECT_EQ(ReadProtectedOutputs("VXPanel.ini"), (ProtectionBySwitcher{{"10.0.0.7", {2, 15}}}));
}

}  // namespace
}  // namespace vx
