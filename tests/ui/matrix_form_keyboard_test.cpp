// Routing from the keyboard on the real window: the same handlers and lines as the clicks.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "MatrixFormFixture.h"

namespace vx::test {
namespace {

class KeyboardRoutingTest : public MatrixFormTest {
protected:
    // Keys typed while the focus is on a button of the routing page.
    void Type(const QString& keys) {
        QWidget* target = Button("TakeButton");
        target->setFocus();
        for (const QChar ch : keys) {
            if (ch == '\n')
                QTest::keyClick(target, Qt::Key_Return);
            else if (ch == '^')
                QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier);
            else if (ch == '~')
                QTest::keyClick(target, Qt::Key_Escape);
            else
                QTest::keyClick(target, ch.toLatin1());
        }
    }
};

TEST_F(KeyboardRoutingTest, OutputTwelveFromInputThreeInEightKeysSendsWhatTheClicksSend) {
    ConnectSerial();
    Type("o12\ni3\n^");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"RTEMP 12 3\r", "TAKE 1\r"}));
    EXPECT_EQ(TextOf("VideoLabel12"), "3");
    EXPECT_EQ(ColourOf("VideoLabel12"), "lime");
    EXPECT_EQ(ColourOf("OutputButton12"), "yellow");

    // The same by the mouse, on another output, for the comparison of the lines.
    fakes.serial.writes.clear();
    Click("OutputButton11");
    Click("InputButton3");
    Click("TakeButton");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"RTEMP 11 3\r", "TAKE 1\r"}));
}

TEST_F(KeyboardRoutingTest, EscapeClearsTheNumberFirstThenCancelsAsTheCancelButtonDoes) {
    ConnectSerial();
    Type("o3\ni5\n");
    EXPECT_EQ(ColourOf("VideoLabel3"), "red");
    Type("o1~");  // a half-typed output: only the number goes
    EXPECT_EQ(ColourOf("VideoLabel3"), "red");
    EXPECT_EQ(form->StatusText(), "");
    Type("~");
    EXPECT_EQ(Lines().back(), "TAKE 0\r");
    EXPECT_EQ(TextOf("VideoLabel3"), "--");
}

TEST_F(KeyboardRoutingTest, WhatIsTypedAndWhatIsRefusedShowOnTheStatusLine) {
    ConnectSerial();
    Type("o1");
    EXPECT_EQ(form->StatusText(), "Keyboard: output 1_");
    Type("7\n");
    EXPECT_EQ(form->StatusText(), "Keyboard: there is no output 17 (outputs 1 to 16)");
    Type("i2\n");
    EXPECT_EQ(form->StatusText(), "Keyboard: select an output first: o, its number, Enter");
    EXPECT_TRUE(Lines().empty());

    // Input 3 belongs to group 1, whose outputs are 1 and 2: output 5 may not take it.
    SwitcherState& m = form->Core().Model();
    m.Groups.InputCounts[0] = 1;
    m.Groups.InputMembers[0][2] = 0;
    Type("o5\ni3\n");
    EXPECT_EQ(form->StatusText(), "Keyboard: input 3 is not allowed for output 5 by its group");
    EXPECT_TRUE(Lines().empty());
}

TEST_F(KeyboardRoutingTest, KeysInATextFieldOrOnAnotherPageNeverRoute) {
    ConnectSerial();
    auto* pages = Find<QTabWidget>("MainPageControl");
    pages->setCurrentIndex(1);  // "Labeling"
    auto* box = Find<QLineEdit>("InputLabelEdit1");
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "o12");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "o12");
    pages->setCurrentIndex(0);
    Type("o2\ni4\n");
    EXPECT_TRUE(Lines() == (std::vector<std::string>{"RTEMP 2 4\r"})) << "only the keys on the routing page";
}

TEST_F(KeyboardRoutingTest, CtrlTabMovesBetweenThePages) {
    auto* pages = Find<QTabWidget>("MainPageControl");
    ASSERT_TRUE(Activate());
    Button("TakeButton")->setFocus();
    QTest::keyClick(form.get(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(pages->currentIndex(), 1);
    QTest::keyClick(form.get(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(pages->currentIndex(), 0);
}

}  // namespace
}  // namespace vx::test
