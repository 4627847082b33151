// The window's own behaviour: page changes, exit, errors in handlers, the grouping page
// wiring and the link view the exchanges draw on.
#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <stdexcept>

#include "MatrixFormFixture.h"
#include "ui/AboutDialog.h"
#include "ui/RadioGroup.h"

namespace vx::test {
namespace {

using WindowTest = MatrixFormTest;

TEST_F(WindowTest, PresetBoxShowsOnlyOnVideoSwitchingAndSequencing) {
    auto* pages = Find<QTabWidget>("MainPageControl");
    struct Case {
        int page;
        bool presetBoxVisible;
    };
    // From page 0 to every other page and back, in an order that changes page each time.
    const Case cases[] = {{1, false}, {3, true}, {2, false}, {4, false}, {5, false}, {0, true}, {3, true}};
    for (const Case& c : cases) {
        pages->setCurrentIndex(c.page);
        EXPECT_EQ(Find("PresetsGroupBox")->isVisible(), c.presetBoxVisible) << "page " << c.page;
    }
}

TEST_F(WindowTest, ReturningToVideoSwitchingWithdrawsPendingRoutesWithOneCancel) {
    ConnectSerial();
    Click("OutputButton1");
    Click("InputButton2");
    Click("OutputButton2");
    Click("InputButton3");
    fakes.serial.writes.clear();

    auto* pages = Find<QTabWidget>("MainPageControl");
    pages->setCurrentIndex(2);  // Grouping: hides the preset box, sends nothing
    EXPECT_FALSE(Find("PresetsGroupBox")->isVisible());
    EXPECT_TRUE(Lines().empty());

    pages->setCurrentIndex(0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"TAKE 0\r"}));
    EXPECT_EQ(form->Core().Model().SelectedOutput, NO_INPUT);
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(TextOf(QString("VideoLabel%1").arg(n)), "--");
        EXPECT_EQ(ColourOf(QString("VideoLabel%1").arg(n)), "buttonface");
        EXPECT_EQ(ColourOf(QString("OutputButton%1").arg(n)), "buttonface");
    }
}

TEST_F(WindowTest, ExitAsksAndNoKeepsTheWindowAndTheConnection) {
    fakes.tcp.active = true;
    prompts.answers = {false, false};
    EXPECT_FALSE(form->close());
    form->findChild<QAction*>("Exit1")->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fakes.tcp.active);
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[0], "Are you sure you want to exit this application?");
    EXPECT_EQ(prompts.questions[1], prompts.questions[0]);
}

TEST_F(WindowTest, ExitConfirmedClosesTheTcpConnectionAndTheWindow) {
    fakes.tcp.active = true;
    prompts.answers = {true};
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(fakes.tcp.active);
}

TEST_F(WindowTest, AnErrorInAHandlerIsShownAndTheWindowKeepsWorking) {
    ConnectSerial();
    fakes.serial.onWrite = [](const std::string&) { throw std::runtime_error("port failed"); };
    Click("OutputButton1");
    Click("InputButton2");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], "port failed");
    EXPECT_EQ(form->Core().Model().HandlerBusy, 0);
    EXPECT_TRUE(Find("MainPageControl")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    ConnectSerial();  // the port answers again
    Click("InputButton3");
    EXPECT_EQ(TextOf("VideoLabel1"), "3");
    EXPECT_EQ(Lines().back(), "RTEMP 1 3\r");
}

TEST_F(WindowTest, GroupingClicksEditTheGroupShown) {
    ConnectSerial();
    Find<QTabWidget>("MainPageControl")->setCurrentIndex(2);
    Click("GroupInputButton5");  // group 1 has no output yet
    EXPECT_FALSE(Find("OutputFirstLabel")->isHidden());
    EXPECT_TRUE(Lines().empty());

    Click("GroupOutputButton3");
    EXPECT_TRUE(Find("OutputFirstLabel")->isHidden());
    EXPECT_EQ(ColourOf("GroupOutputButton3"), "yellow");
    EXPECT_EQ(DescriptionOf("GroupOutputButton3"), "member of the group shown");

    auto* radio = Find<ui::RadioGroup>("GroupingRadioGroup");
    radio->Item(1)->click();  // group 2: output 3 belongs to group 1
    EXPECT_EQ(ColourOf("GroupOutputButton3"), "buttonface");
    EXPECT_EQ(DescriptionOf("GroupOutputButton3"), "");
    EXPECT_FALSE(Button("GroupOutputButton3")->isEnabled());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"GADD 1 3 101\r"}));
}

TEST_F(WindowTest, AboutMenuShowsTheAboutBoxWithoutBlocking) {
    form->findChild<QAction*>("About1")->trigger();
    auto* about = Find<ui::AboutDialog>("LMDAboutDlg1");
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About VX Control SDI");
    EXPECT_EQ(TextOf("AboutProductLabel"), "Tavrel Kessway, LLC  VX Control SDI");
    EXPECT_EQ(TextOf("AboutDescriptionLabel"), "Minimum resolution required is 1024x768.");
    EXPECT_EQ(about->VersionText(), "Version 1.00");
    about->accept();
    // Opened again, it is the same box.
    form->findChild<QAction*>("About1")->trigger();
    EXPECT_EQ(form->findChildren<ui::AboutDialog*>().size(), 1);
    EXPECT_TRUE(about->isVisible());
    about->accept();
}

TEST_F(WindowTest, LinkViewDrivesStatusLinePageControlAndCursor) {
    form->ShowStatus("Sending command....");
    EXPECT_EQ(form->StatusText(), "Sending command....");
    form->SetPageControlEnabled(false);
    EXPECT_FALSE(Find("MainPageControl")->isEnabled());
    form->SetPageControlEnabled(true);

    form->SetHourglass(true);
    EXPECT_TRUE(form->IsHourglass());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
        HourglassScope nested(*form);  // finds it shown: leaves it to its owner
    }
    EXPECT_TRUE(form->IsHourglass());
    form->SetHourglass(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace vx::test
