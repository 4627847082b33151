// Routing from the "Video Switching" page: clicks become the core's calls, the core
// draws colours and texts back, and the lines go to the switcher.
#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>

#include "MatrixFormFixture.h"

namespace vx::test {
namespace {

using RoutingPageTest = MatrixFormTest;

TEST_F(RoutingPageTest, SelectRouteTakeAndDisconnectShowTheRouteStates) {
    ConnectSerial();
    Click("OutputButton3");
    EXPECT_EQ(ColourOf("OutputButton3"), "yellow");
    EXPECT_EQ(DescriptionOf("OutputButton3"), "selected");
    EXPECT_TRUE(Lines().empty());

    Click("InputButton5");
    EXPECT_EQ(ColourOf("InputButton5"), "yellow");
    EXPECT_EQ(DescriptionOf("InputButton5"), "routed to the selected output");
    EXPECT_EQ(TextOf("VideoLabel3"), "5");
    EXPECT_EQ(ColourOf("VideoLabel3"), "red");
    EXPECT_EQ(DescriptionOf("VideoLabel3"), "5, pending route");
    EXPECT_EQ(Find("VideoLabel3")->toolTip(), "5, pending route");

    Click("TakeButton");
    EXPECT_EQ(ColourOf("VideoLabel3"), "lime");
    EXPECT_EQ(DescriptionOf("VideoLabel3"), "5, route in force");
    EXPECT_EQ(ColourOf("ApdStatusLight1"), "darkgreen");
    EXPECT_EQ(DescriptionOf("ApdStatusLight1"), "unlit");

    Click("InputButton5");  // the route in force again: pending disconnect
    EXPECT_EQ(TextOf("VideoLabel3"), "--");
    EXPECT_EQ(ColourOf("VideoLabel3"), "red");
    EXPECT_EQ(DescriptionOf("VideoLabel3"), "--, pending disconnect");
    EXPECT_EQ(ColourOf("InputButton5"), "buttonface");
    EXPECT_EQ(DescriptionOf("InputButton5"), "");

    EXPECT_EQ(Lines(), (std::vector<std::string>{"RTEMP 3 5\r", "TAKE 1\r", "RTEMP 3 0\r"}));
    // Every exchange gave the window back: status line, page control, cursor.
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_TRUE(Find("MainPageControl")->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(RoutingPageTest, TheTakeLightIsLitWhileTheTakeRuns) {
    ConnectSerial();
    QString colourDuringTake;
    QString descriptionDuringTake;
    fakes.serial.onWrite = [&](const std::string& line) {
        if (line == "TAKE 1\r") {
            colourDuringTake = ColourOf("ApdStatusLight1");
            descriptionDuringTake = DescriptionOf("ApdStatusLight1");
        }
        fakes.serial.Answer("\r\n#", 5);
    };
    Click("TakeButton");
    EXPECT_EQ(colourDuringTake, "red");
    EXPECT_EQ(descriptionDuringTake, "lit");
    EXPECT_EQ(ColourOf("ApdStatusLight1"), "darkgreen");
}

TEST_F(RoutingPageTest, WithoutALinkTheDisplayChangesAndNothingIsSent) {
    Click("OutputButton1");
    Click("InputButton2");
    EXPECT_EQ(TextOf("VideoLabel1"), "2");
    EXPECT_EQ(ColourOf("VideoLabel1"), "red");
    EXPECT_TRUE(Lines().empty());
    EXPECT_TRUE(fakes.tcp.sends.empty());
}

TEST_F(RoutingPageTest, AnInputClickWithNoOutputSelectedDoesNothing) {
    ConnectSerial();
    Click("InputButton4");
    EXPECT_EQ(ColourOf("InputButton4"), "buttonface");
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(TextOf(QString("VideoLabel%1").arg(n)), "--");
    EXPECT_TRUE(Lines().empty());
}

TEST_F(RoutingPageTest, RefreshForAnEightByEightSwitcherDisablesRowsNineToSixteen) {
    ConnectSerial();
    SwitcherState& m = form->Core().Model();
    m.Info.ModelCode = 10;
    m.SetSizeFromModelCode();
    m.Routes[1] = {4, 1};
    m.Reclockers[1] = 1;
    form->Core().Outputs().RefreshRouting();

    EXPECT_EQ(form->windowTitle(), "Tavrel Kessway, LLC :- VX Control HD SDI (8 x 8)");
    for (int n = 1; n <= 16; ++n) {
        const QString s = QString::number(n);
        const bool live = n <= 8;
        EXPECT_EQ(Button("OutputButton" + s)->isEnabled(), live) << n;
        EXPECT_EQ(Find("VideoLabel" + s)->isEnabled(), live) << n;
        EXPECT_EQ(Find("ReclockerCheckBox" + s)->isEnabled(), live) << n;
        EXPECT_EQ(Button("InputButton" + s)->isEnabled(), live) << n;
    }
    EXPECT_EQ(TextOf("VideoLabel2"), "5");
    EXPECT_EQ(ColourOf("VideoLabel2"), "lime");
    EXPECT_TRUE(Find<QCheckBox>("ReclockerCheckBox2")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("ReclockerCheckBox1")->isChecked());
    // Rows beyond the size keep what they showed; setting the boxes sent nothing.
    EXPECT_TRUE(Find<QCheckBox>("ReclockerCheckBox9")->isChecked());
    EXPECT_TRUE(Lines().empty());
}

TEST_F(RoutingPageTest, ReclockerClickSendsOnlyOnceTheModelIsLoaded) {
    ConnectSerial();
    Click("ReclockerCheckBox3");  // still suppressed since the first showing
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(form->Core().Model().Reclockers[2], 0);

    form->Core().Model().EventsSuppressed = 0;
    Click("ReclockerCheckBox3");  // unchecked by the first click, checked now
    EXPECT_EQ(form->Core().Model().Reclockers[2], 1);
    Click("ReclockerCheckBox3");
    EXPECT_EQ(form->Core().Model().Reclockers[2], 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"RCLOCK 3 1\r", "RCLOCK 3 0\r"}));
}

TEST_F(RoutingPageTest, StrayInputInTheModelColoursNoButton) {
    SwitcherState& m = form->Core().Model();
    m.Routes[0] = {200, 1};
    m.PrevInputs[0] = 200;
    form->Core().Outputs().RefreshRouting();
    Click("OutputButton1");
    for (int n = 1; n <= 16; ++n) EXPECT_EQ(ColourOf(QString("InputButton%1").arg(n)), "buttonface") << n;
    EXPECT_EQ(TextOf("VideoLabel1"), "--");
}

TEST_F(RoutingPageTest, ClearAllRoutingWithdrawsPendingRoutesThenClears) {
    ConnectSerial();
    Click("OutputButton1");
    Click("InputButton2");
    Click("OutputButton2");
    Click("InputButton3");
    fakes.serial.writes.clear();
    Click("ClearAllRoutingButton");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"TAKE 0\r", "CLEAR\r"}));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(TextOf(QString("VideoLabel%1").arg(n)), "--");
        EXPECT_EQ(ColourOf(QString("VideoLabel%1").arg(n)), "buttonface");
        EXPECT_EQ(ColourOf(QString("OutputButton%1").arg(n)), "buttonface");
    }
}

TEST_F(RoutingPageTest, GroupRuleEnablesOnlyTheGroupsInputs) {
    SwitcherState& m = form->Core().Model();
    // Output 3 in group 2 (index 1), which holds inputs 1 and 4.
    m.Groups.OutputGroups[2] = 1;
    m.Groups.OutputCounts[1] = 1;
    m.Groups.InputCounts[1] = 2;
    m.Groups.InputMembers[1][0] = 1;
    m.Groups.InputMembers[1][3] = 1;
    m.Groups.MemberCounts[1] = 3;
    Click("OutputButton3");
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Button(QString("InputButton%1").arg(n))->isEnabled(), n == 1 || n == 4) << n;
    Click("OutputButton5");  // in no group: every input but the group's
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(Button(QString("InputButton%1").arg(n))->isEnabled(), n != 1 && n != 4) << n;
}

}  // namespace
}  // namespace vx::test
