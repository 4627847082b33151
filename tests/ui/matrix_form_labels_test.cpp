// The names on the real window: typing into the name boxes, leaving them and Enter,
// the reset buttons, and the accessible names of the named controls.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "MatrixFormFixture.h"
#include "labels/NameText.h"
#include "ui/RadioGroup.h"

namespace vx::test {
namespace {

class LabelsFormTest : public MatrixFormTest {
protected:
    void SetUp() override {
        MatrixFormTest::SetUp();
        Find<QTabWidget>("MainPageControl")->setCurrentIndex(1);  // "Labeling"
        ASSERT_TRUE(Activate());
    }
    QLineEdit* Box(const QString& name) const { return Find<QLineEdit>(name); }
    // The operator types into a box (replacing its text) and clicks into another one.
    void TypeAndLeave(const QString& box, const QString& text, const QString& next = "PresetLabelEdit8") {
        QLineEdit* e = Box(box);
        e->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), e);
        e->selectAll();
        QTest::keyClicks(e, text);
        Box(next)->setFocus();
    }
    // As if pasted: any text at all, as the clipboard may hold it.
    void PasteAndLeave(const QString& box, const QString& text) {
        QLineEdit* e = Box(box);
        e->setFocus();
        e->selectAll();
        e->insert(text);
        Box("PresetLabelEdit8")->setFocus();
    }
    QString Caption(const QString& name) const { return Button(name)->text(); }
    QString Accessible(const QString& name) const { return Find(name)->accessibleName(); }
};

TEST_F(LabelsFormTest, CamOneInInputBoxThreeShowsOnBothPagesAtOnce) {
    TypeAndLeave("InputLabelEdit3", "CAM1");
    EXPECT_EQ(Caption("InputButton3"), "CAM1");
    EXPECT_EQ(Caption("GroupInputButton3"), "CAM1");
    EXPECT_EQ(Accessible("InputButton3"), "Input 3, CAM1");
    EXPECT_EQ(Accessible("GroupInputButton3"), "Group input 3, CAM1");
    EXPECT_EQ(Accessible("InputButton4"), "Input 4");
    EXPECT_EQ(ReadName(form->Core().Model().Labels().InputLabels[2]), "3")
        << "the slot follows at the next save";
    EXPECT_TRUE(Lines().empty());

    TypeAndLeave("OutputLabelEdit16", "PGM");
    EXPECT_EQ(Caption("OutputButton16"), "PGM");
    EXPECT_EQ(Caption("GroupOutputButton16"), "PGM");
    EXPECT_EQ(Accessible("OutputButton16"), "Output 16, PGM");

    TypeAndLeave("PresetLabelEdit2", "NIGHT", "InputLabelEdit1");
    EXPECT_EQ(Caption("PresetButton2"), "NIGHT");
    EXPECT_EQ(Accessible("PresetButton2"), "Preset 2, NIGHT");
}

TEST_F(LabelsFormTest, GroupNamesRenameTheSelectorItemsAndKeepTheSelection) {
    auto* selector = Find<ui::RadioGroup>("GroupingRadioGroup");
    selector->Item(3)->click();
    ASSERT_EQ(selector->ItemIndex(), 3);

    TypeAndLeave("GroupLabelEdit2", "NEWS");
    TypeAndLeave("GroupLabelEdit4", "SPORT");

    EXPECT_EQ(selector->ItemIndex(), 3) << "the selected group stays selected";
    EXPECT_EQ(selector->Item(1)->text(), "Group 2 (NEWS)");
    EXPECT_EQ(selector->Item(3)->text(), "Group 4 (SPORT)");
    EXPECT_EQ(Find<QCheckBox>("GroupExistCheckBox2")->text(), "Group 2 (NEWS)");
    EXPECT_EQ(Accessible("GroupExistCheckBox2"), "Existing group 2, NEWS");
    EXPECT_EQ(ReadName(form->Core().Model().Labels().GroupLabels[1]), "NEWS");
}

TEST_F(LabelsFormTest, EnterMovesThroughTheBoxesAndWrapsAround) {
    const std::vector<std::pair<QString, QString>> chain = {
        {"InputLabelEdit16", "OutputLabelEdit1"},
        {"OutputLabelEdit16", "GroupLabelEdit1"},
        {"GroupLabelEdit8", "PresetLabelEdit1"},
        {"PresetLabelEdit8", "InputLabelEdit1"},
    };
    for (const auto& [from, to] : chain) {
        Box(from)->setFocus();
        QTest::keyClick(Box(from), Qt::Key_Return);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), to) << from.toStdString();
    }
    // The box left by Enter runs its exit action.
    Box("InputLabelEdit5")->setFocus();
    Box("InputLabelEdit5")->selectAll();
    QTest::keyClicks(Box("InputLabelEdit5"), "VTR");
    QTest::keyClick(Box("InputLabelEdit5"), Qt::Key_Enter);
    EXPECT_EQ(Caption("InputButton5"), "VTR");
    EXPECT_EQ(QApplication::focusWidget(), Box("InputLabelEdit6"));
}

TEST_F(LabelsFormTest, ABoxTakesSixCharactersAndShowsAnyCharacterAsTyped) {
    PasteAndLeave("InputLabelEdit1", "ABCDEFGHIJ");
    EXPECT_EQ(Box("InputLabelEdit1")->text(), "ABCDEF");
    EXPECT_EQ(Caption("InputButton1"), "ABCDEF");

    PasteAndLeave("InputLabelEdit2", "R&D");
    EXPECT_EQ(Caption("InputButton2"), "R&&D") << "an ampersand is a character, not a shortcut";
    EXPECT_EQ(Accessible("InputButton2"), "Input 2, R&D");

    PasteAndLeave("InputLabelEdit3", QString::fromUtf8("摄像"));
    EXPECT_EQ(Caption("InputButton3"), QString::fromUtf8("摄像"));
}

TEST_F(LabelsFormTest, ResetButtonsPutTheNumbersBackEverywhere) {
    for (int o = 1; o <= 16; ++o) TypeAndLeave(QString("OutputLabelEdit%1").arg(o), QString("O%1").arg(o));
    TypeAndLeave("GroupLabelEdit1", "NEWS");
    Click("ResetOutputLabelsButton");
    Click("ResetGroupLabelsButton");
    for (int o = 1; o <= 16; ++o) {
        const QString n = QString::number(o);
        EXPECT_EQ(Box("OutputLabelEdit" + n)->text(), n);
        EXPECT_EQ(Caption("OutputButton" + n), n);
        EXPECT_EQ(Caption("GroupOutputButton" + n), n);
        EXPECT_EQ(Accessible("OutputButton" + n), "Output " + n);
    }
    EXPECT_EQ(Find<QCheckBox>("GroupExistCheckBox1")->text(), "Group 1 (1)");
}

}  // namespace
}  // namespace vx::test
