// The preset box and the "Sequencing" page on the real window: clicks and keys become the
// core's calls, and the widgets show the box's state, the row highlight and the light.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "MatrixFormFixture.h"
#include "model/NameSlots.h"

namespace vx::test {
namespace {

using Texts = std::vector<std::string>;

class PresetWidgetsTest : public MatrixFormTest {
protected:
    bool Visible(const char* name) const { return Find(name)->isVisible(); }
    bool Enabled(const QString& name) const { return Find(name)->isEnabled(); }
    void ShowPage(const char* objectName) {
        auto* pages = Find<QTabWidget>("MainPageControl");
        pages->setCurrentWidget(Find(objectName));
    }
};

TEST_F(PresetWidgetsTest, StoreThenRecallShowTheBoxStatesOnTheButtons) {
    ConnectSerial();
    EXPECT_FALSE(Visible("PresetsPageControl")) << "hidden from the start";
    Click("PresetsSaveButton");
    EXPECT_TRUE(Visible("PresetsPageControl"));
    EXPECT_FALSE(Enabled("PresetsRecallButton"));
    EXPECT_TRUE(Enabled("PresetSaveCancelButton"));
    Click("PresetButton3");
    EXPECT_EQ(Lines(), (Texts{"TAKE 1\r", "PRST 3\r"}));
    EXPECT_FALSE(Visible("PresetsPageControl"));
    EXPECT_TRUE(Enabled("PresetsRecallButton"));

    Click("PresetsRecallButton");
    EXPECT_FALSE(Enabled("PresetsSaveButton"));
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(Enabled(QString("PresetButton%1").arg(n)), n == 3) << n;
    Click("PresetButton3");
    EXPECT_TRUE(Enabled("PresetRecallConfirmButton"));
    EXPECT_EQ(ColourOf("VideoLabel1"), "red") << "the preview shows every output pending";
    Click("PresetRecallConfirmButton");
    EXPECT_EQ(Lines().back(), "RPRST 3 1\r");
    EXPECT_FALSE(Visible("PresetsPageControl"));
    EXPECT_FALSE(Enabled("PresetRecallConfirmButton"));
}

TEST_F(PresetWidgetsTest, PresetButtonsCarryThePresetNamesAndSayThem) {
    EXPECT_EQ(Button("PresetButton4")->text(), "4");
    EXPECT_EQ(Button("PresetButton4")->accessibleName(), "Preset 4");
    WriteNameSlot(form->Core().Model().Labels().PresetLabels[3], "Studio");
    form->Core().Names().ApplyLabels();
    EXPECT_EQ(Button("PresetButton4")->text(), "Studio");
    EXPECT_EQ(Button("PresetButton4")->accessibleName(), "Preset 4, Studio");
}

TEST_F(PresetWidgetsTest, TheBoxAndTheRowsWorkFromTheKeyboard) {
    ConnectSerial();
    ASSERT_TRUE(Activate());
    auto* recall = Button("PresetsRecallButton");
    recall->setFocus();
    QTest::keyClick(recall, Qt::Key_Return);
    EXPECT_TRUE(Visible("PresetsPageControl")) << "Enter pressed Recall";
    auto* cancel = Button("PresetRecallCancelButton");
    QTest::keyClick(cancel, Qt::Key_Enter);
    EXPECT_FALSE(Visible("PresetsPageControl"));
    QTest::keyClick(Button("PresetsSaveButton"), Qt::Key_Space);
    auto* preset = Button("PresetButton2");
    EXPECT_EQ(preset->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(preset, Qt::Key_Return);
    EXPECT_EQ(Lines(), (Texts{"TAKE 1\r", "PRST 2\r"}));

    ShowPage("SequencingTabSheet");
    auto* on = Find<QCheckBox>("PresetSeqEnableCheckBox1");
    on->setFocus();
    QTest::keyClick(on, Qt::Key_Return);
    EXPECT_TRUE(on->isChecked());
    EXPECT_TRUE(Enabled("PresetSeqEdit1")) << "the row's edits follow its On box";
    EXPECT_TRUE(Enabled("PresetDelayEdit1"));
    QTest::keyClick(on, Qt::Key_Space);
    EXPECT_FALSE(Enabled("PresetSeqEdit1"));
}

TEST_F(PresetWidgetsTest, LeavingABadRowEditShowsTheMessageAndTakesTheFocusBack) {
    ShowPage("SequencingTabSheet");
    ASSERT_TRUE(Activate());
    Find<QCheckBox>("PresetSeqEnableCheckBox2")->click();
    auto* edit = Find<QLineEdit>("PresetSeqEdit2");
    edit->setFocus();
    edit->setText("9");
    QTest::keyClick(edit, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(prompts.messages, Texts{"Error! Preset number out of limits (1-8)"});
    EXPECT_TRUE(edit->hasFocus());

    prompts.messages.clear();
    edit->setText("4");
    QTest::keyClick(edit, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(Find<QLineEdit>("PresetDelayEdit2")->hasFocus());
}

TEST_F(PresetWidgetsTest, ARunningSequenceLocksTheRowsLightsUpAndSaysWhichRowIsCurrent) {
    ConnectSerial();
    Click("PresetsSaveButton");
    Click("PresetButton5");
    ShowPage("SequencingTabSheet");
    Find<QCheckBox>("PresetSeqEnableCheckBox3")->click();
    Find<QLineEdit>("PresetSeqEdit3")->setText("5");

    Click("PresetSeqStartButton");
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(Lines()[2], "RPRST 5 0\r");
    EXPECT_FALSE(Enabled("PresetSequenceActiveBox"));
    EXPECT_EQ(ColourOf("PresetSeqApdStatusLight"), "red");
    EXPECT_EQ(DescriptionOf("PresetSeqApdStatusLight"), "running");
    EXPECT_EQ(ColourOf("PresetSeqLabel3"), "lime");
    EXPECT_EQ(DescriptionOf("PresetSeqLabel3"), "current row");
    EXPECT_EQ(DescriptionOf("PresetSeqLabel1"), "");
    EXPECT_TRUE(fakes.seqTimer.running);
    EXPECT_EQ(fakes.seqTimer.intervalMs, 3000);

    Click("PresetSeqStopButton");
    EXPECT_TRUE(Enabled("PresetSequenceActiveBox"));
    EXPECT_EQ(ColourOf("PresetSeqApdStatusLight"), "darkgreen");
    EXPECT_EQ(DescriptionOf("PresetSeqApdStatusLight"), "stopped");
    EXPECT_EQ(ColourOf("PresetSeqLabel3"), "lime");
    EXPECT_FALSE(fakes.seqTimer.running);
}

}  // namespace
}  // namespace vx::test
