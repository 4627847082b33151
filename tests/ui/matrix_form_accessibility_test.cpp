// What a screen-reader user hears: every control has a name, no name repeats on a page,
// and colours that carry meaning are also said in words.
#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <map>

#include "MatrixFormFixture.h"
#include "ui/QtPrompter.h"
#include "ui/TInfoForm.h"

namespace vx::test {
namespace {

using AccessibilityTest = MatrixFormTest;

bool IsControl(const QWidget* w) {
    // The scroll arrows of a tab bar belong to the toolkit, not to the panel.
    if (qobject_cast<const QTabBar*>(w->parentWidget())) return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || w->property("vxColour").isValid();
}

// The pages plus the preset box, which lies over the pages that show it.
std::vector<QWidget*> Controls(QWidget* root, QWidget* presetBox) {
    std::vector<QWidget*> out;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (IsControl(w)) out.push_back(w);
    if (presetBox)
        for (QWidget* w : presetBox->findChildren<QWidget*>())
            if (IsControl(w)) out.push_back(w);
    return out;
}

TEST_F(AccessibilityTest, EveryControlIsNamedAndNoNameRepeatsOnAPage) {
    auto* pages = Find<QTabWidget>("MainPageControl");
    QWidget* presetBox = Find("PresetsGroupBox");
    for (int p = 0; p < pages->count(); ++p) {
        QWidget* page = pages->widget(p);
        const bool withPresets =
            page->objectName() == "ControlTabSheet" || page->objectName() == "SequencingTabSheet";
        std::map<QString, QString> owners;
        for (QWidget* w : Controls(page, withPresets ? presetBox : nullptr)) {
            const QString name = w->accessibleName();
            EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
            auto [it, fresh] = owners.emplace(name, w->objectName());
            EXPECT_TRUE(fresh) << "\"" << name.toStdString() << "\" on " << it->second.toStdString()
                               << " and " << w->objectName().toStdString();
        }
    }
}

TEST_F(AccessibilityTest, NamesOfTheControls) {
    struct Case {
        const char* object;
        const char* name;
    };
    const Case cases[] = {
        {"OutputButton3", "Output 3"},
        {"InputButton12", "Input 12"},
        {"VideoLabel16", "Video 16"},
        {"ReclockerCheckBox4", "Reclocker 4"},
        {"ApdStatusLight1", "Take light"},
        {"PresetSeqApdStatusLight", "Sequence light"},
        {"TXDLight", "TXD"},
        {"CTSLight", "CTS"},
        {"InputLabelEdit2", "Input name 2"},
        {"OutputLabelEdit9", "Output name 9"},
        {"GroupLabelEdit8", "Group name 8"},
        {"PresetLabelEdit1", "Preset name 1"},
        {"GroupInputButton7", "Group input 7"},
        {"GroupOutputButton16", "Group output 16"},
        {"PresetSeqEdit2", "Sequence 2 preset"},
        {"PresetDelayEdit2", "Sequence 2 delay"},
        {"PresetSeqEnableCheckBox2", "Sequence 2 on"},
        {"PresetSeqLabel5", "Seq 5"},
        {"PresetsSaveButton", "Save"},
        {"PresetsRecallButton", "Recall"},
        {"PresetSaveCancelButton", "Cancel save"},
        {"PresetRecallCancelButton", "Cancel recall"},
        {"PresetRecallConfirmButton", "Confirm"},
        {"PresetButton6", "Preset 6"},
        {"TakeButton", "Take"},
        {"CancelTakeButton", "Cancel"},
        {"ClearAllRoutingButton", "Clear All Routing"},
        {"UpdateStatus", "Read from Vextaro"},
        {"IPAddrEdit", "IP Address"},
        {"SerialModeRadioGroupItem1", "RS-232"},
        {"SerialModeRadioGroupItem2", "Ethernet"},
    };
    for (const Case& c : cases) {
        QWidget* w = Find(c.object);
        ASSERT_NE(w, nullptr) << "a widget of the window is missing";
        const QString name =
            w->accessibleName().isEmpty() ? w->property("text").toString() : w->accessibleName();
        EXPECT_EQ(name, QString(c.name)) << c.object;
    }
}

TEST_F(AccessibilityTest, StartDescriptionsSayWhatTheColoursMean) {
    EXPECT_EQ(DescriptionOf("VideoLabel1"), "--, nothing routed");
    EXPECT_EQ(DescriptionOf("ApdStatusLight1"), "unlit");
    EXPECT_EQ(Find("ApdStatusLight1")->toolTip(), "unlit");
    EXPECT_EQ(DescriptionOf("DSRLight"), "unlit");
    EXPECT_EQ(DescriptionOf("OutputButton1"), "");
}

// The tree a screen reader walks, from one interface down; bounded in depth and count.
void Walk(QAccessibleInterface* a, const std::function<void(QAccessibleInterface*)>& visit, int depth = 0) {
    static int visited = 0;
    if (depth == 0) visited = 0;
    if (a == nullptr || depth > 30 || ++visited > 5000) return;
    visit(a);
    for (int i = 0; i < a->childCount(); ++i) Walk(a->child(i), visit, depth + 1);
}

bool Acts(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::PageTab:
        case QAccessible::MenuItem:
        case QAccessible::ButtonMenu:
        case QAccessible::EditableText:
        case QAccessible::ComboBox:
        case QAccessible::SpinBox:
            return true;
        default:
            return false;
    }
}

QString Describe(QAccessibleInterface* a) {
    const QObject* o = a->object();
    return (o && !o->objectName().isEmpty() ? o->objectName() : QString("role %1").arg(a->role())) + " \"" +
           a->text(QAccessible::Name) + "\"";
}

// Every page in turn, as a screen-reader user goes through the window: each control that
// acts has a name and an action to reach it by, and each colour that means something is
// also said in words.
TEST_F(AccessibilityTest, APageWalkFindsEveryControlNamedReachableAndItsColoursInWords) {
    ConnectSerial();
    form->Core().Model().EventsSuppressed = 0;
    // Colours to find: a route in force, a pending one, the selection.
    Click("OutputButton3");
    Click("InputButton5");
    Click("TakeButton");
    Click("OutputButton4");
    Click("InputButton6");

    auto* pages = Find<QTabWidget>("MainPageControl");
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    int acting = 0;
    for (int p = 0; p < pages->count(); ++p) {
        pages->setCurrentIndex(p);
        SCOPED_TRACE(pages->widget(p)->objectName().toStdString());
        Walk(window, [&](QAccessibleInterface* a) {
            if (a->state().invisible) return;
            if (const QObject* o = a->object()) {
                const QString colour = o->property("vxColour").toString();
                if (!colour.isEmpty() && colour != "buttonface")
                    EXPECT_FALSE(a->text(QAccessible::Description).isEmpty())
                        << Describe(a).toStdString() << " is " << colour.toStdString() << " without words";
                // A label's own text is heard only through its name or description.
                if (const auto* label = qobject_cast<const QLabel*>(o); label && !label->text().isEmpty())
                    EXPECT_TRUE(a->text(QAccessible::Name).contains(label->text()) ||
                                a->text(QAccessible::Description).contains(label->text()))
                        << Describe(a).toStdString() << " hides its text \"" << label->text().toStdString()
                        << "\"";
            }
            if (!Acts(a->role())) return;
            ++acting;
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << Describe(a).toStdString();
            if (a->role() == QAccessible::EditableText || a->state().disabled) return;
            // A spin box is worked through its value.
            if (a->role() == QAccessible::SpinBox) {
                EXPECT_NE(a->valueInterface(), nullptr) << Describe(a).toStdString();
                return;
            }
            QAccessibleActionInterface* actions = a->actionInterface();
            ASSERT_NE(actions, nullptr) << Describe(a).toStdString();
            const QStringList names = actions->actionNames();
            EXPECT_TRUE(names.contains(QAccessibleActionInterface::pressAction()) ||
                        names.contains(QAccessibleActionInterface::toggleAction()) ||
                        names.contains(QAccessibleActionInterface::showMenuAction()))
                << Describe(a).toStdString() << " offers " << names.join(",").toStdString();
        });
    }
    EXPECT_GT(acting, 100) << "the walk reached the controls";

    // The menus, closed as they are, offer each item by name and by an action.
    int items = 0;
    for (QMenu* menu : form->findChildren<QMenu*>()) {
        QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(m, nullptr);
        for (int i = 0; i < m->childCount(); ++i) {
            QAccessibleInterface* item = m->child(i);
            if (item->role() != QAccessible::MenuItem) continue;
            ++items;
            EXPECT_FALSE(item->text(QAccessible::Name).isEmpty()) << menu->title().toStdString();
            if (item->state().disabled) continue;
            const QStringList names = item->actionInterface()->actionNames();
            EXPECT_TRUE(names.contains(QAccessibleActionInterface::pressAction()) ||
                        names.contains(QAccessibleActionInterface::showMenuAction()))
                << Describe(item).toStdString();
        }
    }
    EXPECT_GT(items, 10) << "the walk reached the menu items";
}

TEST_F(AccessibilityTest, TheStatusLineIsReadAsItsText) {
    auto* status = Find("MainStatusText");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(status);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), "Status") << "named while it shows nothing";

    // A refusal of the keyboard routing.
    QWidget* take = Find("TakeButton");
    take->setFocus();
    for (const char key : std::string("i99")) QTest::keyClick(take, key);
    QTest::keyClick(take, Qt::Key_Return);
    const QString refusal = "Keyboard: select an output first: o, its number, Enter";
    ASSERT_EQ(form->StatusText(), refusal);
    EXPECT_EQ(a->text(QAccessible::Name), refusal);

    for (const char key : std::string("o99")) QTest::keyClick(take, key);
    QTest::keyClick(take, Qt::Key_Return);
    EXPECT_EQ(a->text(QAccessible::Name), "Keyboard: there is no output 99 (outputs 1 to 16)");

    form->ShowStatus("");
    EXPECT_EQ(a->text(QAccessible::Name), "Status");
}

TEST_F(AccessibilityTest, AMessageBoxAndTheProgressWindowReadTheirText) {
    ui::QtPrompter prompter(form.get());
    QString heard;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        Walk(QAccessible::queryAccessibleInterface(box), [&](QAccessibleInterface* a) {
            heard += a->text(QAccessible::Name) + "|" + a->text(QAccessible::Value) + "|";
        });
        static_cast<QMessageBox*>(box)->accept();
    });
    prompter.ShowMessage("Port not available. Please try another port.");
    EXPECT_TRUE(heard.contains("Port not available. Please try another port.")) << heard.toStdString();

    form->InfoForm().SetInfoText("Reading Matrix Information");
    form->InfoForm().show();
    QString progress;
    Walk(QAccessible::queryAccessibleInterface(&form->InfoForm()),
         [&](QAccessibleInterface* a) { progress += a->text(QAccessible::Name) + "|"; });
    form->InfoForm().hide();
    EXPECT_TRUE(progress.contains("Reading Matrix Information")) << progress.toStdString();
}

}  // namespace
}  // namespace vx::test
