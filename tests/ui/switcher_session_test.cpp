// The whole panel against the simulator: connecting from the window, reading the switcher,
// and the link selector and Change IP Address over real ports.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <filesystem>

#include "SwitcherSession.h"
#include "connection/ConnectionTexts.h"
#include "link/IpText.h"
#include "ui/MainMenu.h"
#include "ui/RadioGroup.h"

namespace vx::test {
namespace {

bool Has(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

class SessionTest : public SwitcherSession {
protected:
    QLineEdit* IpField() const { return form->findChild<QLineEdit*>("IPAddrEdit"); }
    QAction* Item(const char* name) const { return form->findChild<QAction*>(name); }
};

TEST_F(SessionTest, YesAtStartupFindsTheSwitcherOnTheMappedPortAndReadsIt) {
    Start({"--model", "10", "--firmware", "V2.15"});
    prompts.answers = {true};
    form->Core().Connection().FormShow();

    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_TRUE(form->Core().Link().SerialLinkActive);
    EXPECT_EQ(WireLines(), kReadOrder);
    EXPECT_EQ(form->windowTitle().toStdString(), "Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)");
    EXPECT_EQ(form->findChild<QLabel*>("ComNumberLabel")->text(), "1");
    EXPECT_EQ(form->findChild<QLabel*>("FirmwareVersionLabel")->text(), "V2.15");
    EXPECT_EQ(IpField()->text(), "127.0.0.1");
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 0);
    for (int n = 9; n <= 16; ++n) {
        EXPECT_FALSE(form->findChild<QWidget*>(QString("OutputButton%1").arg(n))->isEnabled()) << n;
        EXPECT_FALSE(form->findChild<QWidget*>(QString("InputButton%1").arg(n))->isEnabled()) << n;
        EXPECT_FALSE(form->findChild<QWidget*>(QString("InputLabelEdit%1").arg(n))->isEnabled()) << n;
    }
    EXPECT_TRUE(form->findChild<QWidget*>("OutputButton8")->isEnabled());
    EXPECT_TRUE(Item("ReadfromVextaros1")->isEnabled());
    EXPECT_FALSE(Item("SearchForVextaro1")->isEnabled());
}

TEST_F(SessionTest, RoutingAfterConnectingReachesTheSwitcher) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    form->findChild<QPushButton*>("OutputButton3")->click();
    form->findChild<QPushButton*>("InputButton5")->click();
    form->findChild<QPushButton*>("TakeButton")->click();
    const auto wire = WireLines();
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire[wire.size() - 2], "RTEMP 3 5");
    EXPECT_EQ(wire.back(), "TAKE 1");
    EXPECT_EQ(form->findChild<QLabel*>("VideoLabel3")->text(), "5");
}

TEST_F(SessionTest, NoAtStartupWithoutIpSaveShowsTheTwoMessages) {
    Start();
    form->Core().Connection().FormShow();
    EXPECT_EQ(prompts.messages,
              (std::vector<std::string>{ConnectLaterText, "Error! Unable to open IPSave.ini file."}));
    EXPECT_TRUE(Wire().empty());
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 1);
}

TEST_F(SessionTest, MissingGroupAnswerGivesOneMessageAndTheRestIsRead) {
    Start({"--no-marker", "GINFOVX"});
    prompts.answers = {true};
    form->Core().Connection().FormShow();
    EXPECT_EQ(
        prompts.messages,
        (std::vector<std::string>{"VX Control unable to read Grouping Status. (NOTE: VX Control settings on "
                                  "Grouping will be invalid)"}));
    EXPECT_EQ(WireLines(), kReadOrder);
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 0);
}

TEST_F(SessionTest, UnansweredMatrixInformationEndsTheReadWithMinusOne) {
    Start({"--no-answer", "MINFOVX"});
    prompts.answers = {true};
    form->Core().Connection().FormShow();
    EXPECT_EQ(WireLines(), (std::vector<std::string>{"MINFOVX"}));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[0].find("Timeout occured"), std::string::npos);
    EXPECT_EQ(prompts.messages[1],
              "Vextaro communication error! Please check Serial connections and try again (-1)");
    EXPECT_EQ(form->StatusText(), "");
}

TEST_F(SessionTest, ReadingASilentSwitcherOverTcpEndsWithMinusOne) {
    Start({"--silent"});
    IpField()->setText("127.0.0.1");
    Choose(1);  // connected but silent; No to trying serial keeps the connection
    ASSERT_TRUE(services.Tcp.IsActive());
    ASSERT_EQ(form->Core().Model().EthernetConnected, 1);
    prompts.messages.clear();
    form->findChild<QPushButton*>("UpdateStatus")->click();
    EXPECT_EQ(prompts.messages,
              (std::vector<std::string>{
                  "Vextaro communication error! Please check Ethernet connections and try again (-1)"}));
    const auto wire = WireLines();
    ASSERT_FALSE(wire.empty());
    EXPECT_EQ(wire.back(), "MINFOVX") << "nothing after the matrix information query";
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 1) << "a failed read does not release the window";
}

// A switcher whose answers run longer than the panel reads of a command's answer: the
// rest must not pass for the answer to the next line.
TEST_F(SessionTest, LongAnswersOverTcpDoNotSpoilTheRead) {
    Start({"--long-answer", "300", "--model", "20"});
    IpField()->setText("127.0.0.1");
    Choose(1);
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messages.front();
    EXPECT_EQ(form->Core().Model().EthernetConnected, 1);
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 0) << "the read after the connect succeeded";
    EXPECT_EQ(form->Core().Model().OutputCount, 16);
}

TEST_F(SessionTest, OpenComWhileOnTcpUsesBothLinks) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    Item("COM11")->trigger();
    ASSERT_TRUE(form->Core().Link().SerialLinkActive);
    EXPECT_TRUE(Item("COM11")->isChecked());
    EXPECT_EQ(LinkSelector()->ItemIndex(), 1) << "the selector keeps showing Ethernet";
    form->findChild<QPushButton*>("OutputButton2")->click();
    form->findChild<QPushButton*>("InputButton4")->click();
    std::string queryLink, commandLink;
    for (const auto& l : WireWithLinks()) {
        if (l.text == "MINFOVX") queryLink = l.link;
        if (l.text == "RTEMP 2 4") commandLink = l.link;
    }
    EXPECT_EQ(queryLink, "tcp") << "status queries go over TCP";
    EXPECT_EQ(commandLink, "serial") << "commands go over serial";
}

TEST_F(SessionTest, EthernetWithAnEmptyFieldReturnsToRs232) {
    Start();
    Choose(1);
    EXPECT_EQ(LinkSelector()->ItemIndex(), 0);
    EXPECT_EQ(prompts.messages, (std::vector<std::string>{NoAddressText}));
    EXPECT_FALSE(form->Core().Connection().SuppressSerialClick());
    EXPECT_TRUE(Wire().empty()) << "no serial search starts";
}

TEST_F(SessionTest, EthernetConnectsAndReadsOverTcp) {
    Start();
    IpField()->setText("127.000.000.001");
    Choose(1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(form->Core().Model().EthernetConnected, 1);
    EXPECT_EQ(LinkSelector()->ItemIndex(), 1);
    auto wire = WireLines();
    EXPECT_EQ(wire, kReadOrder);
    EXPECT_EQ(IpField()->text(), "127.0.0.1");
    std::ifstream saved(dir.Path() / "IPSave.ini", std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_EQ(content, std::string("127.000.000.001") + '\0');
}

TEST_F(SessionTest, SilentEthernetAsksWhetherToTrySerialAndNoKeepsTheConnection) {
    Start({"--silent"});
    IpField()->setText("127.0.0.1");
    Choose(1);
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages[0], SilentSwitcherText);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], SerialQuestion);
    EXPECT_EQ(LinkSelector()->ItemIndex(), 1);
    EXPECT_TRUE(services.Tcp.IsActive());
}

TEST_F(SessionTest, BackToRs232WithNoComPortAnsweringKeepsTcp) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    services.Serial.SetPortPaths(
        {{1, Path("nothing1")}, {2, Path("nothing2")}, {3, Path("nothing3")}, {4, Path("nothing4")}});
    prompts.answers = {true};
    Choose(0);
    EXPECT_TRUE(Has(prompts.messages, SearchFailedText));
    EXPECT_TRUE(services.Tcp.IsActive());
    EXPECT_EQ(form->Core().Model().EthernetConnected, 1);
    EXPECT_EQ(LinkSelector()->ItemIndex(), 1);
}

TEST_F(SessionTest, OpenComOfThePortAlreadyOpenFails) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());
    Item("COM11")->trigger();
    // The message says why: the port is this panel's own.
    const std::string why = "COM1, " + Path("com1").toStdString() + ": already open in this panel";
    EXPECT_TRUE(Has(prompts.messages, std::string(ConnectPortFailedText) + "\n\n" + why));
    EXPECT_FALSE(form->Core().Link().SerialLinkActive);
    EXPECT_EQ(form->findChild<QLabel*>("ComNumberLabel")->text(), "None");
    for (const char* item : {"COM11", "COM21", "COM31", "COM41"})
        EXPECT_FALSE(Item(item)->isChecked()) << item;
}

TEST_F(SessionTest, ChangeIpAddressRefusesWithoutALinkAndAboveTwoHundredFiftyFive) {
    Start();
    IpField()->setText("127.0.0.1");
    form->findChild<QPushButton*>("IPAddressButton")->click();
    EXPECT_EQ(prompts.messages.back(), NeedConnectionText);

    Choose(1);
    ASSERT_EQ(form->Core().Model().EthernetConnected, 1);
    const auto before = Wire().size();
    IpField()->setText("127.0.0.300");
    form->findChild<QPushButton*>("IPAddressButton")->click();
    EXPECT_EQ(prompts.messages.back(), SegmentTooLargeText);
    EXPECT_EQ(Wire().size(), before);
}

TEST_F(SessionTest, ChangeIpAddressOverTcpSendsIpConfigAndReconnects) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectTcp());
    form->findChild<QPushButton*>("IPAddressButton")->click();
    const auto wire = Wire();
    const auto at = std::find(wire.begin(), wire.end(), "IPCONFIG 127 0 0 1");
    ASSERT_NE(at, wire.end());
    EXPECT_TRUE(std::find(at, wire.end(), "") != wire.end()) << "the reconnect tests the switcher";
    EXPECT_TRUE(services.Tcp.IsActive());
    EXPECT_EQ(form->Core().Model().EthernetConnected, 1);
}

}  // namespace
}  // namespace vx::test
