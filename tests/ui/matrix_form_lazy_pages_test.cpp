// The pages the window builds when they are first opened show, when they are opened, what a
// window built whole shows: the same widgets with the same texts, states, colours, accessible
// names and descriptions, and the same accessible tree, after a read and a file load that
// came before the page was ever built.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "AnswerFrame.h"
#include "FakeLinkServices.h"
#include "Interpreter.h"
#include "TempWorkingDir.h"
#include "ui/SheetStamp.h"
#include "ui/TMatrixForm.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

// An 8 x 8 switcher, so that the read disables half of the name boxes, with a firmware
// text of its own for the About page.
vxsim::SwitcherIdentity SmallSwitcher() {
    vxsim::SwitcherIdentity id;
    id.ModelCode = 10;
    id.Firmware = "2.15";
    return id;
}

// One window on fake links, connected over serial to the switcher, shown and never given
// the events that would build its remaining pages.
struct Window {
    explicit Window(bool whole) {
        form = std::make_unique<ui::TMatrixForm>(fakes.bundle, &prompts);
        form->SetConnectOnFirstShow(false);
        form->show();
        if (whole) form->BuildAllPages();
        fakes.serial.open = true;
        form->Core().Model().SerialPortOpen = 1;
        form->Core().Link().SerialLinkActive = true;
        fakes.serial.onWrite = [this](const std::string& line) {
            std::string text = line;
            while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
            fakes.serial.Answer(vxsim::FrameAnswer(switcher.Execute(text), text, vxsim::FrameOptions{}), 5);
        };
        fakes.events.onEvents = [this] {
            const std::size_t ready = fakes.serial.incoming.CountReadyBy(fakes.clock.now);
            if (ready > 0 && fakes.serial.listener) fakes.serial.listener->DataAvailable(ready);
        };
    }
    QWidget* Page(const char* name) const { return form->findChild<QWidget*>(name); }
    bool Built(const char* page) const { return !Page(page)->findChildren<QWidget*>().isEmpty(); }
    void Open(const char* page) const {
        form->findChild<QTabWidget*>("MainPageControl")->setCurrentWidget(Page(page));
    }
    void Read() const { form->Core().ReadfromVextaros1Click(); }
    void Load(const fs::path& file) {
        prompts.openPaths.push_back(file.string());
        form->Core().OpenConfigurationFile1Click();
    }

    vxsim::Interpreter switcher{SmallSwitcher()};
    FakeLinkServices fakes;
    ScriptedPrompter prompts;
    std::unique_ptr<ui::TMatrixForm> form;
};

QString TextOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    return {};
}

// Every widget of the page as the operator and a test see it, in the order they were made.
QStringList WidgetsOf(const QWidget& page) {
    QStringList out;
    for (const QWidget* w : page.findChildren<QWidget*>()) {
        const auto* b = qobject_cast<const QAbstractButton*>(w);
        out << QStringList{w->objectName(), w->metaObject()->className(), TextOf(w),
                           w->isEnabled() ? "enabled" : "disabled",
                           w->isVisibleTo(&page) ? "shown" : "hidden",
                           b && b->isCheckable() ? (b->isChecked() ? "checked" : "unchecked") : "",
                           w->property("vxColour").toString(), w->accessibleName(),
                           w->accessibleDescription(), w->toolTip(), w->styleSheet(), ui::StampedSheet(w),
                           // Where it lies, for what the operator can see.
                           w->isVisibleTo(&page) ? QString("%1,%2 %3x%4")
                                                       .arg(w->x())
                                                       .arg(w->y())
                                                       .arg(w->width())
                                                       .arg(w->height())
                                                 : QString()}
                   .join(" | ");
    }
    return out;
}

// The page as a screen reader reaches it.
void AccessibleTree(QAccessibleInterface* a, int depth, QStringList& out) {
    if (!a || depth > 12) return;
    const QAccessible::State s = a->state();
    out << QString("%1%2 | %3 | %4 | %5%6%7%8")
               .arg(QString(depth * 2, ' '))
               .arg(a->role())
               .arg(a->text(QAccessible::Name), a->text(QAccessible::Description))
               .arg(s.disabled ? "disabled " : "")
               .arg(s.invisible ? "invisible " : "")
               .arg(s.checked ? "checked " : "")
               .arg(s.focusable ? "focusable" : "");
    for (int i = 0; i < a->childCount(); ++i) AccessibleTree(a->child(i), depth + 1, out);
}
QStringList AccessibleTreeOf(QWidget& page) {
    QStringList out;
    AccessibleTree(QAccessible::queryAccessibleInterface(&page), 0, out);
    return out;
}

// The lines that differ, or nothing when the two agree.
std::string Difference(const QStringList& lazy, const QStringList& whole) {
    std::string out;
    for (int i = 0; i < std::max(lazy.size(), whole.size()); ++i) {
        const QString a = i < lazy.size() ? lazy[i] : "(none)";
        const QString b = i < whole.size() ? whole[i] : "(none)";
        if (a != b) out += "\n  opened: " + a.toStdString() + "\n  whole:  " + b.toStdString();
    }
    return out;
}

class LazyPagesTest : public ::testing::Test {
protected:
    // A configuration file with names of every family, saved by a window built whole.
    fs::path NamesFile() {
        Window maker(true);
        const auto name = [&](const char* box, const char* text, NameBox which) {
            maker.form->findChild<QLineEdit*>(box)->setText(text);
            maker.form->Core().NameBoxExit(which);
        };
        name("InputLabelEdit3", "CAM1", {NameFamily::Input, 2});
        name("OutputLabelEdit1", "PGM", {NameFamily::Output, 0});
        name("GroupLabelEdit2", "NEWS", {NameFamily::Group, 1});
        name("PresetLabelEdit8", "LATE", {NameFamily::Preset, 7});
        const fs::path file = dir.Path() / "names.vx";
        maker.prompts.savePaths.push_back(file.string());
        maker.form->Core().SaveConfigurationtoFile1Click();
        return file;
    }

    TempWorkingDir dir;
};

TEST_F(LazyPagesTest, EachPageOpenedForTheFirstTimeShowsWhatAWindowBuiltWholeShows) {
    const fs::path names = NamesFile();
    ASSERT_TRUE(fs::exists(names));
    struct Case {
        const char* what;
        std::function<void(Window&)> before;
    };
    const Case cases[] = {
        {"nothing", [](Window&) {}},
        {"a read", [](Window& w) { w.Read(); }},
        {"a file load", [&](Window& w) { w.Load(names); }},
        {"a read, then a file load",
         [&](Window& w) {
             w.Read();
             w.Load(names);
         }},
    };
    const char* const pages[] = {"LabelTabSheet", "GroupingTabSheet", "SequencingTabSheet",
                                 "SetupTabSheet", "AboutTabSheet",    "ControlTabSheet"};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("after ") + c.what);
        Window lazy(false), whole(true);
        c.before(lazy);
        c.before(whole);
        ASSERT_EQ(lazy.fakes.serial.writes, whole.fakes.serial.writes);
        ASSERT_EQ(lazy.prompts.messages, whole.prompts.messages);
        EXPECT_FALSE(lazy.Built("AboutTabSheet")) << "the page waits for its opening";
        EXPECT_FALSE(lazy.Built("SequencingTabSheet")) << "the page waits for its opening";
        for (const char* page : pages) {
            SCOPED_TRACE(page);
            lazy.Open(page);
            whole.Open(page);
            EXPECT_EQ(Difference(WidgetsOf(*lazy.Page(page)), WidgetsOf(*whole.Page(page))), "");
            EXPECT_EQ(Difference(AccessibleTreeOf(*lazy.Page(page)), AccessibleTreeOf(*whole.Page(page))),
                      "");
        }
        EXPECT_EQ(lazy.form->size(), whole.form->size());
    }
}

TEST_F(LazyPagesTest, AGroupRenamedWhileItsPageWasHiddenShowsItsWholeCaptionWhenOpened) {
    const fs::path names = NamesFile();
    Window w(true);
    w.Load(names);
    w.Open("GroupingTabSheet");
    for (const char* name : {"GroupingRadioGroupItem2", "GroupExistCheckBox2"}) {
        SCOPED_TRACE(name);
        auto* item = w.form->findChild<QAbstractButton*>(name);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), "Group 2 (NEWS)");
        EXPECT_GE(item->width(), item->sizeHint().width()) << "the caption is cut short";
    }
}

TEST_F(LazyPagesTest, TheRemainingPagesAreBuiltRightAfterTheFirstPaint) {
    Window w(false);
    ASSERT_FALSE(w.Built("LabelTabSheet"));
    const char* const lazyPages[] = {"LabelTabSheet", "SequencingTabSheet", "AboutTabSheet"};
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const char* page : lazyPages)
                if (!w.Built(page)) return false;
            return true;
        },
        3000));
    // The window keeps the size it opened with.
    Window whole(true);
    EXPECT_EQ(w.form->size(), whole.form->size());
}

}  // namespace
}  // namespace vx::test
