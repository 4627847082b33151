// Every checkable control acts the same however the operator works it: a mouse click,
// Space, or an assistive technology's Toggle action, which changes the state without a
// click. A state the panel draws itself never acts.
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "FakeSwitcher.h"
#include "MatrixFormFixture.h"
#include "ui/OperatorToggle.h"

namespace vx::test {
namespace {

enum class Way { MouseClick, SpaceKey, AccessibleToggle };

const char* NameOf(Way way) {
    switch (way) {
        case Way::MouseClick:
            return "mouse click";
        case Way::SpaceKey:
            return "Space";
        case Way::AccessibleToggle:
            return "accessible Toggle";
    }
    return "?";
}

void Operate(QAbstractButton* control, Way way) {
    switch (way) {
        case Way::MouseClick:
            // On the indicator: a wide box's middle may lie past its caption.
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
            break;
        case Way::SpaceKey:
            QTest::keyClick(control, Qt::Key_Space);
            break;
        case Way::AccessibleToggle: {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(a, nullptr);
            ASSERT_NE(a->actionInterface(), nullptr);
            ASSERT_TRUE(
                a->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            break;
        }
    }
}

// Everything an operator sees of the window, and everything that went to the switcher.
struct Outcome {
    std::vector<std::string> serialLines;
    std::vector<std::string> tcpLines;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    QStringList screen;
    bool operator==(const Outcome&) const = default;
};

QStringList ScreenOf(const QWidget& form) {
    QStringList out;
    for (const QWidget* w : form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty()) continue;
        QString line = w->objectName() + (w->isEnabled() ? " on" : " off");
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable())
            line += b->isChecked() ? " checked" : " unchecked";
        line += " " + w->property("vxColour").toString() + " " + w->accessibleDescription();
        out << line;
    }
    return out;
}

// A window of its own for each way of working a control, connected to a switcher on the
// serial link and past the start-up suppression of check-box events.
struct OperatedWindow {
    OperatedWindow() {
        form = std::make_unique<ui::TMatrixForm>(fakes.bundle, &prompts);
        form->SetConnectOnFirstShow(false);
        form->show();
        // Every page, as the window has them a moment after it opened.
        form->BuildAllPages();
        fakes.serial.open = true;
        form->Core().Model().SerialPortOpen = 1;
        form->Core().Link().SerialLinkActive = true;
        form->Core().Model().EventsSuppressed = 0;
        fakes.serial.onWrite = [this](const std::string&) { fakes.serial.Answer("\r\n#", 5); };
        // A status query waits for the port's notice that its answer has come.
        fakes.events.onEvents = [this] {
            const std::size_t ready = fakes.serial.incoming.CountReadyBy(fakes.clock.now);
            if (ready > 0 && fakes.serial.listener) fakes.serial.listener->DataAvailable(ready);
        };
    }
    template <class T = QWidget>
    T* Find(const char* name) const {
        return form->findChild<T*>(name);
    }
    Outcome Now() const {
        return {fakes.serial.writes, fakes.tcp.sends, prompts.messages, prompts.questions, ScreenOf(*form)};
    }

    FakeLinkServices fakes;
    ScriptedPrompter prompts;
    std::unique_ptr<ui::TMatrixForm> form;
};

struct ToggleCase {
    const char* control;
    const char* page;
    std::vector<std::string> lines;  // what the change sends on the serial link
    std::size_t questions = 0;       // the Yes/No questions it asks (answered No)
};

TEST(OperatedControlsTest, EveryCheckableControlActsAlikeByMouseKeyboardAndAccessibleToggle) {
    const ToggleCase cases[] = {
        {"ReclockerCheckBox3", "ControlTabSheet", {"RCLOCK 3 0\r"}},
        {"ReclockerCheckBox16", "ControlTabSheet", {"RCLOCK 16 0\r"}},
        {"FrontPanelLockCheckBox", "SetupTabSheet", {"FPLOCK 1\r"}},
        {"VIStateCheckBox", "SetupTabSheet", {"VISTATE 1\r"}},
        // A sequence row's On box sends nothing; it opens the row's edits.
        {"PresetSeqEnableCheckBox2", "SequencingTabSheet", {}},
        // Choosing a group redraws the Grouping page for it.
        {"GroupingRadioGroupItem3", "GroupingTabSheet", {}},
        // Leaving the serial link for Ethernet is asked first; No puts the selector back.
        {"SerialModeRadioGroupItem2", "SetupTabSheet", {}, 1},
    };
    for (const ToggleCase& c : cases) {
        Outcome byClick;
        for (const Way way : {Way::MouseClick, Way::SpaceKey, Way::AccessibleToggle}) {
            SCOPED_TRACE(std::string(c.control) + " by " + NameOf(way));
            OperatedWindow w;
            w.Find<QTabWidget>("MainPageControl")->setCurrentWidget(w.Find(c.page));
            w.fakes.serial.writes.clear();
            auto* control = w.Find<QAbstractButton>(c.control);
            ASSERT_NE(control, nullptr);
            const bool before = control->isChecked();

            Operate(control, way);

            EXPECT_EQ(control->isChecked(), c.questions == 0 ? !before : before);
            EXPECT_EQ(w.fakes.serial.writes, c.lines);
            EXPECT_EQ(w.prompts.questions.size(), c.questions);
            if (way == Way::MouseClick)
                byClick = w.Now();
            else
                EXPECT_TRUE(w.Now() == byClick) << "the window differs from the one a click leaves";
        }
    }
}

TEST(OperatedControlsTest, TheAccessibleToggleOfASequenceRowOpensItsEdits) {
    OperatedWindow w;
    auto* edit = w.Find<QLineEdit>("PresetSeqEdit4");
    ASSERT_FALSE(edit->isEnabled());
    Operate(w.Find<QAbstractButton>("PresetSeqEnableCheckBox4"), Way::AccessibleToggle);
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_TRUE(w.Find<QLineEdit>("PresetDelayEdit4")->isEnabled());
}

TEST(OperatedControlsTest, AControlIgnoredInsideAnExchangeIsDrawnBackAndSendsNothing) {
    OperatedWindow w;
    auto* lock = w.Find<QAbstractButton>("FrontPanelLockCheckBox");
    // The toggle arrives while a take waits for its answer.
    w.fakes.serial.onWrite = [&](const std::string& line) {
        if (line == "TAKE 1\r") Operate(lock, Way::AccessibleToggle);
        w.fakes.serial.Answer("\r\n#", 5);
    };
    w.Find<QAbstractButton>("TakeButton")->click();
    EXPECT_EQ(w.fakes.serial.writes, (std::vector<std::string>{"TAKE 1\r"}));
    EXPECT_FALSE(lock->isChecked()) << "the box shows the lockout the switcher has";
}

TEST(OperatedControlsTest, BoxesDrawnFromAReadSendNothing) {
    OperatedWindow w;
    w.fakes.serial.onWrite = [&](const std::string& line) {
        w.fakes.serial.Answer(FakeSwitcherAnswer(line), 5);
    };
    auto* update = w.Find<QAbstractButton>("UpdateStatus");
    update->click();
    const std::vector<std::string> readLines = w.fakes.serial.writes;
    ASSERT_FALSE(readLines.empty());

    // Every box shows the opposite of the model; the next read draws each one back.
    const char* boxes[] = {"FrontPanelLockCheckBox", "VIStateCheckBox", "ReclockerCheckBox1",
                           "ReclockerCheckBox8", "ReclockerCheckBox16"};
    std::vector<bool> drawn;
    for (const char* name : boxes) {
        auto* box = w.Find<QAbstractButton>(name);
        drawn.push_back(box->isChecked());
        ui::SetCheckedQuietly(box, !box->isChecked());
    }
    w.fakes.serial.writes.clear();
    update->click();

    EXPECT_EQ(w.fakes.serial.writes, readLines) << "the read sends its queries and nothing else";
    for (std::size_t at = 0; at < std::size(boxes); ++at)
        EXPECT_EQ(w.Find<QAbstractButton>(boxes[at])->isChecked(), drawn[at]) << boxes[at];
}

}  // namespace
}  // namespace vx::test
