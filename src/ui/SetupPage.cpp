#include "ui/SetupPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/RadioGroup.h"
#include "ui/Widgets.h"

namespace vx::ui {

SetupPage::SetupPage(QWidget* parent) : QWidget(parent) {
    setObjectName("SetupTabSheet");

    FrontPanelLockCheckBox = NewCheckBox(this, "FrontPanelLockCheckBox", "Front Panel Lockout");

    GroupBox24 = NewGroupBox(this, "GroupBox24", "Connection");
    GroupBox24->setFocusPolicy(Qt::StrongFocus);
    SerialModeRadioGroup = new RadioGroup("SerialModeRadioGroup", "Link", GroupBox24);
    SerialModeRadioGroup->SetItems({"RS-232", "Ethernet"});
    SerialModeRadioGroup->SetItemIndex(0);
    EthernetConfigGroupBox = NewGroupBox(GroupBox24, "EthernetConfigGroupBox", "Ethernet Configuration");
    QLabel* ipCaption = NewLabel(EthernetConfigGroupBox, "IPAddressLabel", "IP Address");
    // The field has no length limit of its own (QLineEdit's largest); IPSave.ini bounds what it keeps.
    IPAddrEdit = NewEdit(EthernetConfigGroupBox, "IPAddrEdit", "", 32767, "IP Address");
    IPAddrEdit->setMinimumWidth(150);
    ipCaption->setBuddy(IPAddrEdit);
    auto* ethernet = new QGridLayout(EthernetConfigGroupBox);
    ethernet->addWidget(ipCaption, 0, 0);
    ethernet->addWidget(IPAddrEdit, 0, 1);
    ethernet->setColumnStretch(2, 1);
    auto* connection = new QHBoxLayout(GroupBox24);
    connection->addWidget(SerialModeRadioGroup);
    connection->addWidget(EthernetConfigGroupBox, 1);

    IPAddressButton = NewButton(this, "IPAddressButton", "Change IP Address");
    ResetButton = NewButton(this, "ResetButton", "Reset Vextaro");
    FactoryResetButton = NewButton(this, "FactoryResetButton", "Factory Reset Vextaro");
    SystemSaveButton = NewButton(this, "SystemSaveButton", "System Save");
    SystemRecallButton = NewButton(this, "SystemRecallButton", "System Recall");

    VerticalSwitchingGroupBox = NewGroupBox(this, "VerticalSwitchingGroupBox", "Vertical Switching  ");
    VIStateCheckBox = NewCheckBox(VerticalSwitchingGroupBox, "VIStateCheckBox", "Source Channel 1");
    auto* vertical = new QVBoxLayout(VerticalSwitchingGroupBox);
    vertical->addWidget(VIStateCheckBox);

    FollowGroupBox = NewGroupBox(this, "FollowGroupBox", "Following");
    FollowCheckBox = NewCheckBox(FollowGroupBox, "FollowCheckBox", "Follow the switcher");
    FollowCheckBox->setToolTip(
        "Polls the switcher at the interval and shows what it holds, whoever changed it");
    QLabel* intervalCaption = NewLabel(FollowGroupBox, "FollowIntervalLabel", "Interval");
    FollowIntervalSpinBox = new QSpinBox(FollowGroupBox);
    FollowIntervalSpinBox->setObjectName("FollowIntervalSpinBox");
    FollowIntervalSpinBox->setRange(1, 60);
    FollowIntervalSpinBox->setValue(2);
    FollowIntervalSpinBox->setSuffix(" s");
    FollowIntervalSpinBox->setAccessibleName("Follow interval in seconds");
    // The box's own text field is where the number is typed: it carries the name too, and the
    // focus stays with the box, which hands the keys on to it.
    if (auto* text = FollowIntervalSpinBox->findChild<QLineEdit*>()) {
        text->setAccessibleName("Follow interval in seconds");
        text->setFocusPolicy(Qt::NoFocus);
    }
    intervalCaption->setBuddy(FollowIntervalSpinBox);
    auto* follow = new QHBoxLayout(FollowGroupBox);
    follow->addWidget(FollowCheckBox);
    follow->addSpacing(16);
    follow->addWidget(intervalCaption);
    follow->addWidget(FollowIntervalSpinBox);
    follow->addStretch(1);

    for (QPushButton* b :
         {ResetButton, FactoryResetButton, IPAddressButton, SystemSaveButton, SystemRecallButton})
        b->setMinimumWidth(170);
    auto* commands = new QGridLayout;
    commands->setHorizontalSpacing(10);
    commands->setVerticalSpacing(8);
    commands->addWidget(ResetButton, 0, 0);
    commands->addWidget(FactoryResetButton, 0, 1);
    commands->addWidget(IPAddressButton, 0, 2);
    commands->addWidget(SystemSaveButton, 1, 0);
    commands->addWidget(SystemRecallButton, 1, 1);
    commands->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(FrontPanelLockCheckBox);
    layout->addWidget(GroupBox24);
    layout->addLayout(commands);
    auto* verticalRow = new QHBoxLayout;
    verticalRow->addWidget(VerticalSwitchingGroupBox);
    verticalRow->addWidget(FollowGroupBox);
    verticalRow->addStretch(1);
    layout->addLayout(verticalRow);
    layout->addStretch(1);
}

}  // namespace vx::ui
