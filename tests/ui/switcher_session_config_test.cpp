// The whole panel against the simulator: a configuration saved with names, groups and
// routes comes back from the file on every page, and loading it sends nothing.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "SwitcherSession.h"
#include "labels/ConfigFileTexts.h"
#include "ui/MainMenu.h"
#include "ui/RadioGroup.h"

namespace vx::test {
namespace {

class ConfigSessionTest : public SwitcherSession {
protected:
    QPushButton* Push(const QString& name) const { return form->findChild<QPushButton*>(name); }
    QString Text(const QString& name) const { return form->findChild<QAbstractButton*>(name)->text(); }
    QString Video(int n) const { return form->findChild<QLabel*>(QString("VideoLabel%1").arg(n))->text(); }
    void Name(const QString& box, NameBox which, const QString& text) {
        form->findChild<QLineEdit*>(box)->setText(text);
        form->Core().NameBoxExit(which);
    }
    ui::RadioGroup* Selector() const { return form->findChild<ui::RadioGroup*>("GroupingRadioGroup"); }
};

TEST_F(ConfigSessionTest, ALoadedConfigurationShowsOnEveryPageAndSendsNothing) {
    Start();
    ASSERT_NO_FATAL_FAILURE(ConnectSerial());

    // Names, a group of output 2 with input 4, and routes: 5 to output 3 in force, 7 to
    // output 1 pending.
    Name("InputLabelEdit3", {NameFamily::Input, 2}, "CAM1");
    Name("OutputLabelEdit2", {NameFamily::Output, 1}, "PGM");
    Name("GroupLabelEdit1", {NameFamily::Group, 0}, "NEWS");
    Name("PresetLabelEdit4", {NameFamily::Preset, 3}, "LATE");
    Selector()->Item(0)->click();
    Push("GroupOutputButton2")->click();
    Push("GroupInputButton4")->click();
    Push("OutputButton3")->click();
    Push("InputButton5")->click();
    Push("TakeButton")->click();
    Push("OutputButton1")->click();
    Push("InputButton7")->click();
    ASSERT_EQ(Video(1), "7");
    const std::string file = Path("studio.vx").toStdString();
    prompts.savePaths.push_back(file);
    form->Menu().SaveConfigurationtoFile1->trigger();
    ASSERT_TRUE(prompts.messages.empty()) << prompts.messages.front();

    // Everything changes.
    Push("ClearAllRoutingButton")->click();
    Push("GroupingRemoveAllButton")->click();
    for (const char* reset : {"ResetInputLabelsButton", "ResetOutputLabelsButton", "ResetGroupLabelsButton",
                              "ResetPresetLabelsButton"})
        Push(reset)->click();
    ASSERT_EQ(Text("InputButton3"), "3");
    ASSERT_EQ(Video(3), "--");
    const auto sentBefore = WireLines();

    prompts.openPaths.push_back(file);
    form->Menu().OpenConfigurationFile1->trigger();

    EXPECT_EQ(prompts.messages, std::vector<std::string>{ConfigLoadedText});
    EXPECT_EQ(WireLines(), sentBefore) << "a load changes the panel only";
    // "Video Switching" page.
    EXPECT_EQ(Text("InputButton3"), "CAM1");
    EXPECT_EQ(Text("OutputButton2"), "PGM");
    EXPECT_EQ(Video(3), "5");
    EXPECT_EQ(Video(1), "7");
    EXPECT_EQ(form->findChild<QLabel*>("VideoLabel1")->accessibleDescription(), "7, pending route");
    // "Grouping" page.
    EXPECT_EQ(Text("GroupInputButton3"), "CAM1");
    EXPECT_EQ(Text("GroupExistCheckBox1"), "Group 1 (NEWS)");
    EXPECT_TRUE(form->findChild<QCheckBox*>("GroupExistCheckBox1")->isChecked());
    EXPECT_EQ(Selector()->Item(0)->text(), "Group 1 (NEWS)");
    EXPECT_EQ(Selector()->ItemIndex(), 0);
    EXPECT_EQ(Push("GroupOutputButton2")->property("vxColour").toString(), "yellow");
    EXPECT_EQ(Push("GroupInputButton4")->property("vxColour").toString(), "yellow");
    // "Labeling" page and the preset buttons.
    EXPECT_EQ(form->findChild<QLineEdit*>("PresetLabelEdit4")->text(), "LATE");
    EXPECT_EQ(Text("PresetButton4"), "LATE");
}

}  // namespace
}  // namespace vx::test
