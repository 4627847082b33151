// The "Setup" page's switcher-wide commands against the simulator, over the pseudo-terminal
// and over loopback TCP: what reaches the switcher, what the page shows, and how a reset
// keeps the window while it runs.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#include <cstring>

#include "SwitcherSession.h"
#include "connection/SetupTexts.h"
#include "ui/MainMenu.h"
#include "ui/RadioGroup.h"
#include "ui/TInfoForm.h"

namespace vx::test {
namespace {

using Lines = std::vector<std::string>;

enum class Via { Serial, Tcp };

// Watches the progress window: every showing and hiding, and how the menus and the
// message line stood when it came up.
class ProgressWatch : public QObject {
public:
    ProgressWatch(ui::TInfoForm& form, ui::MainMenu& menu) : form_(form), menu_(menu) {
        form_.installEventFilter(this);
    }
    ~ProgressWatch() override { form_.removeEventFilter(this); }

    Lines events;
    bool menusOpenAtShow = true;
    QString textAtShow;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            events.push_back("show");
            menusOpenAtShow =
                menu_.File1->menuAction()->isEnabled() || menu_.Search1->menuAction()->isEnabled();
            textAtShow = form_.InfoLabel()->text();
        } else if (e->type() == QEvent::Hide) {
            events.push_back("hide");
        }
        return false;
    }

private:
    ui::TInfoForm& form_;
    ui::MainMenu& menu_;
};

class SetupSessionTest : public SwitcherSession {
protected:
    // Connected and read over the link asked for.
    void Connect(Via via) {
        ASSERT_NO_FATAL_FAILURE(via == Via::Serial ? ConnectSerial() : ConnectTcp());
        ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front();
        ASSERT_EQ(form->Core().Model().EventsSuppressed, 0);
        wireSeen = WireWithLinks().size();
    }
    // The lines received since the last look, each with its link; a line sent without
    // waiting for its answer may reach the transcript a moment after the panel moved on.
    std::vector<WireLine> NewWire(std::size_t atLeast = 0) {
        EventsUntil([&] { return WireWithLinks().size() >= wireSeen + atLeast; });
        std::vector<WireLine> fresh = WireWithLinks(wireSeen);
        wireSeen += fresh.size();
        return fresh;
    }
    static Lines Texts(const std::vector<WireLine>& lines) {
        Lines out;
        for (const auto& l : lines) out.push_back(l.text);
        return out;
    }
    static std::string LinkName(Via via) { return via == Via::Serial ? "serial" : "tcp"; }

    QCheckBox* Box(const char* name) const { return form->findChild<QCheckBox*>(name); }
    QPushButton* Button(const char* name) const { return form->findChild<QPushButton*>(name); }
    bool MenusOpen() const {
        return form->Menu().File1->menuAction()->isEnabled() &&
               form->Menu().Search1->menuAction()->isEnabled();
    }

    std::size_t wireSeen = 0;
};

class SetupOverLinkTest : public SetupSessionTest, public testing::WithParamInterface<Via> {};

TEST_P(SetupOverLinkTest, LockoutAndSourceReachTheSwitcherAndTheModelFollows) {
    Start();
    Connect(GetParam());
    const DeviceInfo& info = form->Core().Model().Info;

    Box("FrontPanelLockCheckBox")->click();
    Box("VIStateCheckBox")->click();
    EXPECT_EQ(info.FrontPanelLocked, 1);
    EXPECT_EQ(info.VIState, 1);
    Box("FrontPanelLockCheckBox")->click();
    EXPECT_EQ(info.FrontPanelLocked, 0);

    const auto sent = NewWire(3);
    EXPECT_EQ(Texts(sent), (Lines{"FPLOCK 1", "VISTATE 1", "FPLOCK 0"}));
    for (const auto& l : sent) EXPECT_EQ(l.link, LinkName(GetParam())) << l.text;

    // The switcher holds what was sent: a full read brings it back, and setting the
    // boxes from it sends nothing.
    Button("UpdateStatus")->click();
    const Lines read = Texts(NewWire());
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read.front(), "MINFOVX");
    for (const auto& l : read) EXPECT_NE(l.find("INFOVX"), std::string::npos) << "echo: " << l;
    EXPECT_FALSE(Box("FrontPanelLockCheckBox")->isChecked());
    EXPECT_TRUE(Box("VIStateCheckBox")->isChecked());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_P(SetupOverLinkTest, SystemRecallShowsTheSwitchersSettingsWithoutEchoes) {
    Start({"--firmware", "V3.01", "--ip", "10.1.2.3"});
    Connect(GetParam());
    Box("FrontPanelLockCheckBox")->click();
    Box("VIStateCheckBox")->click();
    Button("SystemSaveButton")->click();
    Box("FrontPanelLockCheckBox")->click();
    Box("VIStateCheckBox")->click();
    EXPECT_EQ(Texts(NewWire(5)), (Lines{"FPLOCK 1", "VISTATE 1", "UPSYS", "FPLOCK 0", "VISTATE 0"}));
    // Stale texts, so that the recall has to draw them.
    form->findChild<QLineEdit*>("IPAddrEdit")->setText("");
    form->findChild<QLabel*>("FirmwareVersionLabel")->setText("N/A");

    Button("SystemRecallButton")->click();

    const auto recall = NewWire(2);
    EXPECT_EQ(Texts(recall), (Lines{"RSYS", "MINFOVX"})) << "no FPLOCK or VISTATE while the boxes are set";
    for (const auto& l : recall) EXPECT_EQ(l.link, LinkName(GetParam())) << l.text;
    EXPECT_TRUE(Box("FrontPanelLockCheckBox")->isChecked()) << "the saved lockout came back";
    EXPECT_TRUE(Box("VIStateCheckBox")->isChecked());
    EXPECT_EQ(form->findChild<QLineEdit*>("IPAddrEdit")->text(), "10.1.2.3");
    EXPECT_EQ(form->findChild<QLabel*>("FirmwareVersionLabel")->text(), "V3.01");
    EXPECT_EQ(form->Core().Model().Info.FrontPanelLocked, 1);
    EXPECT_EQ(form->Core().Model().Info.VIState, 1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(form->Core().Model().HandlerBusy, 0);
}

TEST_P(SetupOverLinkTest, ResetAnsweredNoSendsNothingAndReopensTheMenus) {
    Start();
    Connect(GetParam());
    ProgressWatch watch(form->InfoForm(), form->Menu());
    for (const char* button : {"ResetButton", "FactoryResetButton"}) {
        SCOPED_TRACE(button);
        prompts.questions.clear();
        prompts.answers = {false};
        Button(button)->click();
        ASSERT_EQ(prompts.questions.size(), 1u);
        EXPECT_EQ(prompts.captions.back(), ResetCaption);
        EXPECT_TRUE(MenusOpen());
    }
    EXPECT_EQ(prompts.questions.back(), FactoryResetQuestion);
    EXPECT_TRUE(NewWire().empty());
    EXPECT_TRUE(watch.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Links, SetupOverLinkTest, testing::Values(Via::Serial, Via::Tcp),
                         [](const auto& info) { return info.param == Via::Serial ? "serial" : "tcp"; });

// The switcher stays busy 900 ms after a reset: well past the normal prompt wait of 80
// ticks (400 ms here), well inside the reset's 810 ticks. The saved lockout is on and the
// live one off, so a reset turns it on and a factory reset off again.
TEST_F(SetupSessionTest, ResetOverSerialWaitsOutTheLongAnswerBehindTheProgressWindow) {
    struct Case {
        const char* button;
        const char* line;
        bool lockAfter;
    };
    Start({"--reset-delay-ms", "900"});
    Connect(Via::Serial);
    form->Core().Link().Limits.TickMs = 5;
    Box("FrontPanelLockCheckBox")->click();
    Button("SystemSaveButton")->click();
    Box("FrontPanelLockCheckBox")->click();
    ASSERT_EQ(Texts(NewWire(3)), (Lines{"FPLOCK 1", "UPSYS", "FPLOCK 0"}));
    for (const Case& c :
         {Case{"ResetButton", "RESETVX R", true}, Case{"FactoryResetButton", "RESETVX F", false}}) {
        SCOPED_TRACE(c.button);
        const bool boxBefore = Box("FrontPanelLockCheckBox")->isChecked();
        ProgressWatch watch(form->InfoForm(), form->Menu());
        prompts.answers = {true};

        Button(c.button)->click();

        EXPECT_EQ(Texts(NewWire(1)), (Lines{c.line}))
            << "one try, no bare returns: the long answer was waited for";
        EXPECT_EQ(watch.events, (Lines{"show", "hide"}));
        EXPECT_FALSE(watch.menusOpenAtShow);
        EXPECT_EQ(watch.textAtShow.toStdString(), ResetProgressText);
        EXPECT_TRUE(MenusOpen());
        EXPECT_FALSE(form->InfoForm().isVisible());
        EXPECT_EQ(form->Core().Link().SerialWaitTicks, NormalWaitTicks);
        EXPECT_EQ(form->Core().Model().HandlerBusy, 0);
        EXPECT_TRUE(form->findChild<QWidget*>("MainPageControl")->isEnabled());
        EXPECT_EQ(Box("FrontPanelLockCheckBox")->isChecked(), boxBefore)
            << "nothing is read back after a reset";
        EXPECT_TRUE(prompts.messages.empty());

        // The next read finds the switcher back with the settings the reset gave it.
        Button("UpdateStatus")->click();
        EXPECT_EQ(Texts(NewWire()).front(), "MINFOVX");
        EXPECT_EQ(Box("FrontPanelLockCheckBox")->isChecked(), c.lockAfter);
    }
}

TEST_F(SetupSessionTest, ResetToASwitcherThatNeverAnswersGivesUpQuietly) {
    Start({"--no-answer", "RESETVX", "--reset-delay-ms", "600000"});
    Connect(Via::Serial);
    form->Core().Link().Limits.TickMs = 1;
    prompts.answers = {true};

    Button("ResetButton")->click();

    EXPECT_EQ(Texts(NewWire(3)), (Lines{"RESETVX R", "", ""})) << "the command, then two bare returns";
    EXPECT_TRUE(prompts.messages.empty()) << "an unanswered command is not reported";
    EXPECT_TRUE(MenusOpen());
    EXPECT_FALSE(form->InfoForm().isVisible());
    EXPECT_EQ(form->Core().Link().SerialWaitTicks, NormalWaitTicks);
    EXPECT_EQ(form->Core().Model().HandlerBusy, 0);
}

TEST_F(SetupSessionTest, ResetOverTcpShowsAndHidesTheProgressWindowWithoutWaiting) {
    Start({"--reset-delay-ms", "600000"});
    Connect(Via::Tcp);
    ProgressWatch watch(form->InfoForm(), form->Menu());
    prompts.answers = {true};

    Button("ResetButton")->click();

    EXPECT_EQ(watch.events, (Lines{"show", "hide"}));
    EXPECT_FALSE(watch.menusOpenAtShow);
    EXPECT_TRUE(MenusOpen());
    const auto sent = NewWire(1);
    ASSERT_EQ(Texts(sent), (Lines{"RESETVX R"}));
    EXPECT_EQ(sent[0].link, "tcp");
    EXPECT_EQ(form->Core().Model().EthernetConnected, 1);
    EXPECT_EQ(form->Core().Model().HandlerBusy, 0);
    EXPECT_TRUE(prompts.messages.empty());
}

// Every control before the first successful read (the switcher on COM1 never sends its
// information) and after the serial link was given up: nothing reaches the switcher.
TEST_F(SetupSessionTest, ControlsAreInertBeforeTheFirstReadAndWithoutALink) {
    struct Situation {
        const char* name;
        QStringList simArgs;
        bool disconnectAfterRead;
    };
    for (const Situation& s : {Situation{"before the first read", {"--no-answer", "MINFOVX"}, false},
                               Situation{"no link", {}, true}}) {
        SCOPED_TRACE(s.name);
        TearDown();
        sim.reset();  // its pseudo-terminal link goes before the next one takes the path
        Start(s.simArgs);
        prompts.answers = {true};
        form->Core().StartupConnection();
        ASSERT_TRUE(form->Core().Link().SerialLinkActive);
        if (s.disconnectAfterRead) {
            form->Menu().DisconnectSerialCommunication1->trigger();
            ASSERT_FALSE(form->Core().Link().SerialLinkActive);
            ASSERT_EQ(form->Core().Model().EventsSuppressed, 0);
        } else {
            ASSERT_EQ(form->Core().Model().EventsSuppressed, 1);
        }
        wireSeen = WireWithLinks().size();
        prompts.questions.clear();
        prompts.messages.clear();
        prompts.answers = {true, true};
        const DeviceInfo before = form->Core().Model().Info;

        for (const char* box : {"FrontPanelLockCheckBox", "VIStateCheckBox"}) Box(box)->click();
        for (const char* button :
             {"ResetButton", "FactoryResetButton", "SystemSaveButton", "SystemRecallButton"})
            Button(button)->click();

        EXPECT_TRUE(NewWire().empty());
        EXPECT_TRUE(prompts.questions.empty());
        EXPECT_TRUE(prompts.messages.empty());
        EXPECT_EQ(std::memcmp(&form->Core().Model().Info, &before, sizeof before), 0);
        EXPECT_TRUE(Box("FrontPanelLockCheckBox")->isChecked()) << "the box keeps the click";
        EXPECT_TRUE(MenusOpen());
    }
}

}  // namespace
}  // namespace vx::test
