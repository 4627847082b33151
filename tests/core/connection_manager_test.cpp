#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "ConnectionRig.h"
#include "TempWorkingDir.h"
#include "connection/ConnectionTexts.h"
#include "link/IpText.h"

namespace vx {
namespace {

using test::ConnectionRig;

bool Has(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

class ConnectionManagerTest : public testing::Test {
protected:
    test::TempWorkingDir dir;
    ConnectionRig rig;
};

TEST_F(ConnectionManagerTest, StartupNoWithoutIpSaveShowsBothMessages) {
    rig.manager.FormShow();
    EXPECT_EQ(rig.model.EventsSuppressed, 1);
    ASSERT_EQ(rig.prompts.questions.size(), 1u);
    EXPECT_EQ(rig.prompts.captions[0], StartupCaption);
    EXPECT_EQ(rig.prompts.messages,
              (std::vector<std::string>{ConnectLaterText, "Error! Unable to open IPSave.ini file."}));
    EXPECT_TRUE(rig.serial.writes.empty());
}

TEST_F(ConnectionManagerTest, StartupYesFindsTheSwitcherAndReadsIt) {
    rig.SwitcherOnCom(3);
    rig.prompts.answers = {true};
    rig.manager.FormShow();
    EXPECT_TRUE(rig.link.SerialLinkActive);
    EXPECT_EQ(rig.serialView.comNumber, "3");
    EXPECT_TRUE(Has(rig.SerialLines(), "MINFOVX\r"));
    EXPECT_TRUE(Has(rig.SerialLines(), "PGINFOVX 7\r"));
    EXPECT_EQ(rig.model.EventsSuppressed, 0) << "the first good read releases the window";
    EXPECT_EQ(rig.model.HandlerBusy, 0);
    EXPECT_TRUE(rig.view.readEnabled);
    EXPECT_FALSE(rig.view.searchEnabled);
    EXPECT_TRUE(rig.view.disconnectEnabled);
    EXPECT_EQ(rig.model.Info.IPAddress[3], 7);
    EXPECT_TRUE(rig.prompts.messages.empty());
}

TEST_F(ConnectionManagerTest, EthernetWithEmptyFieldReturnsToSerialWithoutASearch) {
    rig.view.selector = LinkChoice::Ethernet;
    rig.manager.SerialModeRadioGroupClick();
    EXPECT_EQ(rig.view.selector, LinkChoice::Serial);
    EXPECT_EQ(rig.prompts.messages, (std::vector<std::string>{NoAddressText}));
    EXPECT_FALSE(rig.manager.SuppressSerialClick()) << "the one-shot flag never lingers";
    EXPECT_TRUE(rig.serial.writes.empty());
}

TEST_F(ConnectionManagerTest, EthernetAnsweredGivesUpSerialAndReadsOverTcp) {
    rig.SwitcherOnCom(1);
    rig.prompts.answers = {true};
    rig.manager.FormShow();
    ASSERT_TRUE(rig.link.SerialLinkActive);
    rig.SwitcherOnTcp();
    rig.ipField.text = "127.0.0.1";
    rig.view.selector = LinkChoice::Ethernet;
    rig.prompts.answers = {true};  // yes, leave the serial link for Ethernet
    rig.manager.SerialModeRadioGroupClick();
    EXPECT_FALSE(rig.link.SerialLinkActive);
    EXPECT_FALSE(rig.serial.open);
    EXPECT_EQ(rig.model.EthernetConnected, 1);
    EXPECT_NE(rig.tcp.sent.find("MINFOVX\r"), std::string::npos);
    EXPECT_EQ(rig.tcp.port, SwitcherTcpPort);
    EXPECT_EQ(rig.view.selector, LinkChoice::Ethernet);
    EXPECT_FALSE(rig.view.disconnectEnabled);
}

TEST_F(ConnectionManagerTest, SilentEthernetAsksAboutSerialAndNoKeepsTheConnection) {
    rig.ipField.text = "127.0.0.1";
    rig.view.selector = LinkChoice::Ethernet;
    rig.manager.SerialModeRadioGroupClick();  // connects, but nothing answers
    EXPECT_EQ(rig.prompts.messages.front(), SilentSwitcherText);
    ASSERT_EQ(rig.prompts.questions.size(), 1u);
    EXPECT_EQ(rig.prompts.questions[0], SerialQuestion);
    EXPECT_EQ(rig.view.selector, LinkChoice::Ethernet);
    EXPECT_TRUE(rig.tcp.active);
    EXPECT_FALSE(rig.manager.SuppressEthernetClick()) << "consumed by the nested run";
}

TEST_F(ConnectionManagerTest, SerialWhileOnTcpWithNoComPortKeepsTcp) {
    rig.SwitcherOnTcp();
    rig.tcp.active = true;
    rig.model.EthernetConnected = 1;
    rig.serial.availablePorts = {};
    rig.view.selector = LinkChoice::Serial;
    rig.prompts.answers = {true};
    rig.manager.SerialModeRadioGroupClick();
    EXPECT_TRUE(Has(rig.prompts.messages, SearchFailedText));
    EXPECT_TRUE(rig.tcp.active);
    EXPECT_EQ(rig.model.EthernetConnected, 1);
    EXPECT_EQ(rig.view.selector, LinkChoice::Ethernet);
}

// A port refused because another program holds it is named in the failure message with
// the reason its service gives; a port that merely did not answer adds nothing, and a
// reason is not carried over to a later attempt.
TEST_F(ConnectionManagerTest, FailedConnectionSaysWhyEachRefusedPortCouldNotBeUsed) {
    const std::string held = "/dev/ttyS0: held by process 4242 (lock file /run/lock/LCK..ttyS0)";
    const std::string stale = "/dev/ttyS2: locked by the lock file /run/lock/LCK..ttyS2 left by process 77";
    rig.serial.availablePorts = {2};  // COM2 opens but nothing answers on it
    rig.serial.openProblems = {{1, held}, {3, stale}};
    rig.manager.SearchAllClick();
    ASSERT_FALSE(rig.prompts.messages.empty());
    EXPECT_EQ(rig.prompts.messages[0], std::string(SearchFailedText) + "\n\nCOM1, " + held + "\nCOM3, " + stale);

    rig.prompts.messages.clear();
    rig.manager.ConnectPort(3);
    EXPECT_EQ(rig.prompts.messages,
              (std::vector<std::string>{std::string(ConnectPortFailedText) + "\n\nCOM3, " + stale}));

    rig.prompts.messages.clear();
    rig.manager.ConnectPort(2);
    EXPECT_EQ(rig.prompts.messages, (std::vector<std::string>{ConnectPortFailedText}));
}

TEST_F(ConnectionManagerTest, OpenComOfThePortAlreadyOpenFailsAndLeavesNoCheck) {
    rig.SwitcherOnCom(1);
    ASSERT_TRUE(rig.manager.ConnectPort(1));
    rig.manager.COMClick(1);  // in use by ourselves: unavailable
    EXPECT_TRUE(Has(rig.prompts.messages, ConnectPortFailedText));
    EXPECT_FALSE(rig.link.SerialLinkActive);
    EXPECT_EQ(rig.serialView.comNumber, "None");
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(rig.view.comChecked[n]) << n;
}

TEST_F(ConnectionManagerTest, OpenComMovesTheCheckMark) {
    rig.SwitcherOnCom(2);
    rig.manager.COMClick(2);
    EXPECT_FALSE(rig.view.comChecked[1]);
    EXPECT_TRUE(rig.view.comChecked[2]);
}

TEST_F(ConnectionManagerTest, ChangeIpAddressCases) {
    // No link: refused, nothing saved.
    rig.ipField.text = "10.0.0.300";
    rig.manager.IPAddressButtonClick();
    EXPECT_EQ(rig.prompts.messages.back(), NeedConnectionText);
    EXPECT_FALSE(std::filesystem::exists("IPSave.ini"));

    // Over TCP, a segment above 255: saved as typed, refused, nothing sent.
    rig.SwitcherOnTcp();
    rig.tcp.active = true;
    rig.model.EthernetConnected = 1;
    rig.view.selector = LinkChoice::Ethernet;
    rig.manager.IPAddressButtonClick();
    EXPECT_EQ(rig.prompts.messages.back(), SegmentTooLargeText);
    EXPECT_TRUE(std::filesystem::exists("IPSave.ini"));
    EXPECT_TRUE(rig.tcp.sent.empty());

    // A good address: IPCONFIG goes out without a wait, then the link connects again.
    rig.ipField.text = "127.0.0.1";
    rig.manager.IPAddressButtonClick();
    EXPECT_EQ(rig.tcp.sends.at(0), "IPCONFIG 127 0 0 1\r");
    EXPECT_EQ(rig.tcp.sends.at(1), "\r") << "the reconnect tests the switcher";
    EXPECT_TRUE(rig.tcp.active);
}

TEST_F(ConnectionManagerTest, OpenComSetsTheFlowControlAgainBeforeProbing) {
    rig.SwitcherOnCom(2);
    rig.serial.SetHardwareFlowControl(false, false);
    bool flowOnAtProbe = false;
    rig.serial.onWrite = [&](const std::string& line) {
        flowOnAtProbe = rig.serial.flowRts && rig.serial.flowCts;
        rig.serial.Answer(test::FakeSwitcherAnswer(line), 5);
    };
    rig.manager.COMClick(2);
    EXPECT_TRUE(flowOnAtProbe);
    EXPECT_TRUE(rig.link.SerialLinkActive);
}

// A port that fails inside the prompt wait after the search: told once, the progress
// window gone, menus and flags as for the serial link that is open.
TEST_F(ConnectionManagerTest, APortFailingInThePromptWaitIsReportedOnceAndLeavesNothingHalfDone) {
    rig.SwitcherOnCom(1);
    int prompts = 0;
    rig.serial.onWrite = [&](const std::string& line) {
        if (line == "\r" && ++prompts == 2) rig.serial.failReads = true;  // the probe passed
        rig.serial.Answer(test::FakeSwitcherAnswer(line), 5);
    };
    rig.prompts.answers = {true};
    rig.manager.FormShow();
    EXPECT_EQ(std::count(rig.prompts.messages.begin(), rig.prompts.messages.end(), "the port failed"), 1);
    EXPECT_FALSE(rig.progress.shown);
    EXPECT_TRUE(rig.link.SerialLinkActive);
    EXPECT_FALSE(rig.view.searchEnabled);
    EXPECT_TRUE(rig.view.disconnectEnabled);
    EXPECT_TRUE(rig.view.readEnabled);
    EXPECT_EQ(rig.model.HandlerBusy, 0);
    EXPECT_EQ(rig.model.EventsSuppressed, 0) << "the read went on and succeeded";
}

}  // namespace
}  // namespace vx
