// What a screen-reader user hears: every control has a name, no name repeats on a page,
// and colours that carry meaning are also said in words.
#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <map>

#include "MatrixFormFixture.h"

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

}  // namespace
}  // namespace vx::test
