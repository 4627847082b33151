#include "ui/GroupingPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/Look.h"
#include "ui/RadioGroup.h"
#include "ui/Widgets.h"

namespace vx::ui {

namespace {
QString GroupCaption(int g) {
    return QString("Group %1 (%1)").arg(g + 1);
}
}  // namespace

GroupingPage::GroupingPage(QWidget* parent) : QWidget(parent) {
    setObjectName("GroupingTabSheet");

    GroupingRadioGroup = new RadioGroup("GroupingRadioGroup", "Group", this);
    QStringList items;
    for (int g = 0; g < GroupCount; ++g) items << GroupCaption(g);
    GroupingRadioGroup->SetItems(items);
    GroupingRadioGroup->SetItemIndex(0);

    ExistingGroupsBox = NewGroupBox(this, "GroupBox21", "Existing Groups");
    auto* existLayout = new QVBoxLayout(ExistingGroupsBox);
    existLayout->setSpacing(2);
    for (int g = 0; g < GroupCount; ++g) {
        const QString n = QString::number(g + 1);
        // The captions repeat the selector's items, so the accessible names say what
        // these boxes are instead.
        QCheckBox* c =
            NewCheckBox(ExistingGroupsBox, "GroupExistCheckBox" + n, GroupCaption(g), "Existing group " + n);
        c->setEnabled(false);
        existLayout->addWidget(c);
        GroupExistCheckBoxes[static_cast<std::size_t>(g)] = c;
    }
    ExistingGroupsBox->setEnabled(false);

    auto* left = new QVBoxLayout;
    left->addWidget(GroupingRadioGroup);
    left->addWidget(ExistingGroupsBox);
    left->addStretch(1);

    members_ = new QVBoxLayout;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(16);
    layout->addLayout(left);
    layout->addLayout(members_, 1);
}

void GroupingPage::BuildMembers() {
    GroupingRemoveButton = NewButton(this, "GroupingRemoveButton", "Remove Group");
    GroupingRemoveAllButton = NewButton(this, "GroupingRemoveAllButton", "Remove All Group");
    OutputFirstLabel = NewLabel(this, "OutputFirstLabel", "NEED TO SELECT OUTPUT FIRST");
    OutputFirstLabel->setAccessibleName(OutputFirstLabel->text());
    OutputFirstLabel->setAlignment(Qt::AlignCenter);
    OutputFirstLabel->setContentsMargins(8, 4, 8, 4);
    PaintBackground(OutputFirstLabel, Colour::Aqua);
    OutputFirstLabel->setVisible(false);

    QVBoxLayout* right = members_;
    right->addWidget(BuildMemberButtons("Input", "Input 1 - 16", GroupInputButtons.data()));
    right->addWidget(BuildMemberButtons("Output", "Output 1 - 16", GroupOutputButtons.data()));
    auto* removeRow = new QHBoxLayout;
    removeRow->addWidget(GroupingRemoveButton);
    removeRow->addWidget(GroupingRemoveAllButton);
    removeRow->addSpacing(20);
    removeRow->addWidget(OutputFirstLabel);
    removeRow->addStretch(1);
    right->addLayout(removeRow);
    right->addStretch(1);
}

QWidget* GroupingPage::BuildMemberButtons(const QString& family, const QString& tab, QPushButton** buttons) {
    auto* control = new QTabWidget(this);
    control->setObjectName("Group" + family + "PageControl");
    auto* sheet = new QWidget(control);
    sheet->setObjectName("Group" + family + "TabSheet");
    auto* grid = new QGridLayout(sheet);
    grid->setSpacing(6);
    for (int i = 0; i < MaxInputs; ++i) {
        const QString n = QString::number(i + 1);
        QPushButton* b =
            NewColourButton(sheet, "Group" + family + "Button" + n, n, "Group " + family.toLower() + " " + n);
        b->setFixedSize(68, 26);
        grid->addWidget(b, i / 8, i % 8);
        buttons[i] = b;
    }
    control->addTab(sheet, tab);
    return control;
}

}  // namespace vx::ui
