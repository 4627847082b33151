// The Edit menu and the protected outputs on the real window: the menu and its keys, the
// lock and the words a screen reader hears, and the output button's context menu item.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "MatrixFormFixture.h"
#include "ui/EditMenu.h"
#include "ui/ProtectMarks.h"

namespace vx::test {
namespace {

class UndoProtectFormTest : public MatrixFormTest {
protected:
    void SetUp() override {
        MatrixFormTest::SetUp();
        ConnectSerial();
        // The switcher read at start-up reported this address.
        const byte ip[4] = {10, 0, 0, 7};
        std::copy(std::begin(ip), std::end(ip), form->Core().Model().Info.IPAddress);
    }
    QAction* Item(const char* name) const { return form->findChild<QAction*>(name); }
    std::vector<std::string> Sent() {
        std::vector<std::string> out;
        for (const auto& w : fakes.serial.writes)
            if (w != "\r") out.push_back(w);
        fakes.serial.writes.clear();
        return out;
    }
};

TEST_F(UndoProtectFormTest, EditMenuStandsAfterFileAndCtrlZPutsTheTakeBack) {
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus[1]->text(), "Edit");
    QAction* undo = Item("UndoTake1");
    QAction* redo = Item("RedoTake1");
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
    EXPECT_FALSE(undo->isEnabled());

    Click("OutputButton3");
    Click("InputButton5");
    Click("TakeButton");
    EXPECT_EQ(undo->text(), "Undo Take: output 3");
    EXPECT_TRUE(undo->isEnabled());
    Sent();
    ASSERT_TRUE(Activate());
    QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"RTEMP 3 0\r", "TAKE 1\r"}));
    EXPECT_EQ(redo->text(), "Redo Take: output 3");
    QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"RTEMP 3 5\r", "TAKE 1\r"}));

    for (const char* name : {"TakeButton", "CancelTakeButton"})
        EXPECT_TRUE(Button(name)->toolTip().contains("Ctrl+Z")) << name;
}

TEST_F(UndoProtectFormTest, TheContextMenuItemProtectsAndTheButtonSaysSo) {
    auto* b = Find<QPushButton>("OutputButton3");
    EXPECT_EQ(b->contextMenuPolicy(), Qt::ActionsContextMenu);
    QAction* protect = Item("ProtectOutputAction3");
    ASSERT_NE(protect, nullptr);
    ASSERT_TRUE(b->actions().contains(protect));
    EXPECT_EQ(protect->text(), "Protect Output");

    protect->trigger();
    EXPECT_TRUE(form->Core().IsProtected(2));
    EXPECT_FALSE(b->icon().isNull()) << "a lock on the button";
    EXPECT_EQ(protect->text(), "Unprotect Output");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Description), "protected");

    b->click();
    EXPECT_EQ(form->StatusText(), "Output 3 is protected: unprotect it to change it.");
    EXPECT_TRUE(Sent().empty());

    protect->trigger();
    EXPECT_TRUE(b->icon().isNull());
    EXPECT_EQ(a->text(QAccessible::Description), "");
    b->click();
    EXPECT_EQ(a->text(QAccessible::Description), "selected");
}

TEST_F(UndoProtectFormTest, PThreeEnterOnTheVideoPageProtects) {
    ASSERT_TRUE(Activate());
    Find("OutputButton1")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "p3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form->Core().IsProtected(2));
    EXPECT_EQ(DescriptionOf("OutputButton3"), "protected");
}

}  // namespace
}  // namespace vx::test
