// The main window as the operator first sees it: pages, captions, texts and states.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

#include "MatrixFormFixture.h"
#include "model/NameSlots.h"
#include "ui/AboutDialog.h"
#include "ui/RadioGroup.h"
#include "ui/TInfoForm.h"
#include "ui/TerminalView.h"

namespace vx::test {
namespace {

using StartStateTest = MatrixFormTest;

TEST_F(StartStateTest, SixPagesInOrderWithTheFirstActive) {
    auto* pages = Find<QTabWidget>("MainPageControl");
    const QStringList captions = {"Video Switching", "Labeling", "Grouping", "Sequencing", "Setup", "About"};
    const QStringList names = {"ControlTabSheet",    "LabelTabSheet", "GroupingTabSheet",
                               "SequencingTabSheet", "SetupTabSheet", "AboutTabSheet"};
    ASSERT_EQ(pages->count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pages->tabText(i), captions[i]);
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
    }
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(form->windowTitle(), "Tavrel Kessway, LLC :- VX Control SDI (8 x 8)");
    EXPECT_TRUE(Find("PresetsGroupBox")->isVisible());
}

TEST_F(StartStateTest, TextsOfTheWindow) {
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Version1Label", "1.00"},
        {"FirmwareVersionLabel", "N/A"},
        {"ComNumberLabel", "None"},
        {"TakeButton", "Take"},
        {"CancelTakeButton", "Cancel"},
        {"ClearAllRoutingButton", "Clear All Routing"},
        {"UpdateStatus", "Read from Vextaro"},
        {"GroupingRemoveButton", "Remove Group"},
        {"GroupingRemoveAllButton", "Remove All Group"},
        {"OutputFirstLabel", "NEED TO SELECT OUTPUT FIRST"},
        {"PresetSeqStartButton", "Start"},
        {"PresetSeqStopButton", "Stop"},
        {"FrontPanelLockCheckBox", "Front Panel Lockout"},
        {"VIStateCheckBox", "Source Channel 1"},
        {"ResetButton", "Reset Vextaro"},
        {"FactoryResetButton", "Factory Reset Vextaro"},
        {"IPAddressButton", "Change IP Address"},
        {"SystemSaveButton", "System Save"},
        {"SystemRecallButton", "System Recall"},
        {"PresetsSaveButton", "Save"},
        {"PresetsRecallButton", "Recall"},
        {"PresetRecallConfirmButton", "Confirm"},
        {"ResetInputLabelsButton", "Reset Input Labels"},
        {"ResetPresetLabelsButton", "Reset Preset Labels"},
    };
    for (const Case& c : cases) {
        QWidget* w = Find(c.name);
        ASSERT_NE(w, nullptr) << "a widget of the window is missing";
        const QVariant text = w->property("text");
        EXPECT_EQ(text.toString(), QString(c.text)) << c.name;
    }
    EXPECT_EQ(Find<QGroupBox>("PresetsGroupBox")->title(), "Preset Save/Recall");
    EXPECT_EQ(Find<QGroupBox>("PresetSeqParamGroupBox")->title(), "Preset Sequence ");
    EXPECT_EQ(Find<QGroupBox>("VerticalSwitchingGroupBox")->title(), "Vertical Switching  ");
    EXPECT_EQ(Find<QGroupBox>("GroupBox21")->title(), "Existing Groups");
    EXPECT_EQ(Find<QLineEdit>("IPAddrEdit")->text(), "");
    EXPECT_EQ(form->StatusText(), "");
    EXPECT_NE(form->findChild<QStatusBar*>("MainStatusBar"), nullptr);
    // The about box is made when it is first opened.
    EXPECT_EQ(form->findChild<ui::AboutDialog*>("LMDAboutDlg1"), nullptr);
}

TEST_F(StartStateTest, RoutingRowsStartEmptyAndEnabledWithReclockersChecked) {
    for (int n = 1; n <= 16; ++n) {
        const QString s = QString::number(n);
        EXPECT_EQ(Button("OutputButton" + s)->text(), s);
        EXPECT_EQ(Button("InputButton" + s)->text(), s);
        EXPECT_EQ(TextOf("VideoLabel" + s), "--");
        EXPECT_EQ(ColourOf("VideoLabel" + s), "buttonface");
        auto* reclocker = Find<QCheckBox>("ReclockerCheckBox" + s);
        EXPECT_TRUE(reclocker->isChecked());
        EXPECT_TRUE(reclocker->isEnabled());
        EXPECT_EQ(reclocker->text(), "Enable");
        EXPECT_TRUE(Button("OutputButton" + s)->isEnabled());
        EXPECT_TRUE(Button("InputButton" + s)->isEnabled());
    }
    EXPECT_EQ(ColourOf("ApdStatusLight1"), "darkgreen");
}

TEST_F(StartStateTest, NameBoxesStartWithNumbersAndFillTheLabelSlots) {
    struct Family {
        const char* prefix;
        int count;
        const NameSlot* store;
    };
    const LabelStore& labels = form->Core().Model().Labels();
    const Family families[] = {{"InputLabelEdit", 16, labels.InputLabels},
                               {"OutputLabelEdit", 16, labels.OutputLabels},
                               {"GroupLabelEdit", 8, labels.GroupLabels},
                               {"PresetLabelEdit", 8, labels.PresetLabels}};
    for (const Family& f : families) {
        for (int n = 1; n <= f.count; ++n) {
            auto* edit = Find<QLineEdit>(f.prefix + QString::number(n));
            EXPECT_EQ(edit->text(), QString::number(n));
            EXPECT_EQ(edit->maxLength(), 6);
            EXPECT_EQ(ReadNameSlot(f.store[n - 1]), std::to_string(n));
        }
    }
}

TEST_F(StartStateTest, GroupingPageStartsOnGroupOneWithNothingShown) {
    auto* radio = Find<ui::RadioGroup>("GroupingRadioGroup");
    ASSERT_EQ(radio->Count(), 8);
    EXPECT_EQ(radio->title(), "Group");
    EXPECT_EQ(radio->ItemIndex(), 0);
    for (int g = 1; g <= 8; ++g) {
        const QString caption = QString("Group %1 (%1)").arg(g);
        EXPECT_EQ(radio->Item(g - 1)->text(), caption);
        auto* exist = Find<QCheckBox>(QString("GroupExistCheckBox%1").arg(g));
        EXPECT_EQ(exist->text(), caption);
        EXPECT_FALSE(exist->isChecked());
        EXPECT_FALSE(exist->isEnabled());
    }
    EXPECT_FALSE(Find("GroupBox21")->isEnabled());
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(Button(QString("GroupInputButton%1").arg(n))->text(), QString::number(n));
        EXPECT_TRUE(Button(QString("GroupOutputButton%1").arg(n))->isEnabled());
        EXPECT_EQ(ColourOf(QString("GroupOutputButton%1").arg(n)), "buttonface");
    }
    EXPECT_TRUE(Find("OutputFirstLabel")->isHidden());
    EXPECT_EQ(ColourOf("OutputFirstLabel"), "aqua");
}

TEST_F(StartStateTest, SequencerRowsAreOffWithTheirDesignValues) {
    for (int n = 1; n <= 8; ++n) {
        const QString s = QString::number(n);
        EXPECT_EQ(TextOf("PresetSeqLabel" + s), "Seq " + s);
        auto* preset = Find<QLineEdit>("PresetSeqEdit" + s);
        auto* delay = Find<QLineEdit>("PresetDelayEdit" + s);
        EXPECT_EQ(preset->text(), s);
        EXPECT_EQ(preset->maxLength(), 2);
        EXPECT_FALSE(preset->isEnabled());
        EXPECT_EQ(delay->text(), "3");
        EXPECT_EQ(delay->maxLength(), 4);
        EXPECT_FALSE(delay->isEnabled());
        auto* on = Find<QCheckBox>("PresetSeqEnableCheckBox" + s);
        EXPECT_EQ(on->text(), "On");
        EXPECT_FALSE(on->isChecked());
    }
    EXPECT_TRUE(Find("PresetSequenceActiveBox")->isEnabled());
    EXPECT_EQ(ColourOf("PresetSeqApdStatusLight"), "darkgreen");
}

TEST_F(StartStateTest, PresetBoxIsIdleWithItsButtonsHidden) {
    EXPECT_TRUE(Button("PresetsSaveButton")->isEnabled());
    EXPECT_TRUE(Button("PresetsRecallButton")->isEnabled());
    EXPECT_FALSE(Button("PresetSaveCancelButton")->isEnabled());
    EXPECT_FALSE(Button("PresetRecallCancelButton")->isEnabled());
    EXPECT_FALSE(Button("PresetRecallConfirmButton")->isEnabled());
    EXPECT_TRUE(Find("PresetsPageControl")->isHidden());
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(Button(QString("PresetButton%1").arg(n))->text(), QString::number(n));
}

TEST_F(StartStateTest, SetupAndAboutPages) {
    auto* mode = Find<ui::RadioGroup>("SerialModeRadioGroup");
    ASSERT_EQ(mode->Count(), 2);
    EXPECT_EQ(mode->Items(), (QStringList{"RS-232", "Ethernet"}));
    EXPECT_EQ(mode->ItemIndex(), 0);
    EXPECT_FALSE(Find<QCheckBox>("FrontPanelLockCheckBox")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("VIStateCheckBox")->isChecked());
    for (const char* light : {"TXDLight", "RXDLight", "DCDLight", "DSRLight", "CTSLight"})
        EXPECT_EQ(ColourOf(light), "darkgreen") << light;
    auto* terminal = Find<ui::TerminalView>("TerminalView");
    EXPECT_TRUE(terminal->isReadOnly());
    EXPECT_EQ(terminal->toPlainText(), "");
}

TEST_F(StartStateTest, MenuItemsWithTheirStartStates) {
    struct Case {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Case cases[] = {
        {"OpenConfigurationFile1", "Open Configuration File", true},
        {"SaveConfigurationtoFile1", "Save Configuration to File", true},
        {"Exit1", "Exit", true},
        {"COM11", "COM1", true},
        {"COM21", "COM2", true},
        {"COM31", "COM3", true},
        {"COM41", "COM4", true},
        {"SearchForVextaro1", "Connect to Vextaro SDI", true},
        {"ReadfromVextaros1", "Read from Vextaro", false},
        {"DisconnectSerialCommunication1", "Disconnect Serial Communication", true},
        {"About1", "About", true},
        {"N192001", "19200", true},
        {"N384001", "38400", true},
        {"N576001", "57600", true},
    };
    for (const Case& c : cases) {
        auto* a = form->findChild<QAction*>(c.name);
        ASSERT_NE(a, nullptr) << c.name;
        EXPECT_EQ(a->text(), QString(c.caption)) << c.name;
        EXPECT_EQ(a->isEnabled(), c.enabled) << c.name;
    }
    EXPECT_EQ(form->findChild<QMenu*>("File1")->title(), "File");
    EXPECT_EQ(form->findChild<QMenu*>("Search1")->title(), "Serial Port");
    EXPECT_TRUE(form->findChild<QAction*>("COM11")->isChecked());
    EXPECT_FALSE(form->findChild<QAction*>("COM21")->isChecked());
    EXPECT_FALSE(form->findChild<QMenu*>("SettingsAdvusersonly1")->menuAction()->isEnabled());
}

TEST_F(StartStateTest, FirstShowingSuppressesEventsAndFreesTheGuard) {
    EXPECT_EQ(form->Core().Model().EventsSuppressed, 1);
    EXPECT_EQ(form->Core().Model().HandlerBusy, 0);
    EXPECT_EQ(form->Core().Model().SelectedOutput, NO_INPUT);
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(StartStateTest, ProgressWindowIsAHiddenToolWindowOnTop) {
    ui::TInfoForm& info = form->InfoForm();
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(info.windowTitle(), "Tavrel Kessway - VX SDI Info");
    EXPECT_TRUE(info.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(info.windowType(), Qt::Tool);
    EXPECT_EQ(info.size(), QSize(512, 41));
    EXPECT_EQ(info.windowModality(), Qt::NonModal);
    EXPECT_EQ(info.InfoLabel()->objectName(), "InfoLabel");
    EXPECT_EQ(info.InfoProgressLabel()->text(), "");
}

TEST(TerminalViewTest, KeepsFifteenRowsAndShowsControlBytesAsDots) {
    ui::TerminalView terminal;
    std::string traffic;
    for (int i = 1; i <= 20; ++i) traffic += "line " + std::to_string(i) + "\r\n";
    terminal.AppendBytes(traffic);
    terminal.AppendBytes(std::string("A\x01#", 3));
    const QStringList rows = terminal.toPlainText().split('\n');
    ASSERT_EQ(rows.size(), ui::TerminalView::Rows);
    EXPECT_EQ(rows.front(), "line 7");
    EXPECT_EQ(rows.back(), "A.#");
}

}  // namespace
}  // namespace vx::test
