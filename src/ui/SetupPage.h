#pragma once
// The "Setup" page: front panel lockout, the link selector beside the Ethernet
// configuration, the switcher-wide command buttons and the vertical switching source.
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vx::ui {

class RadioGroup;

class SetupPage : public QWidget {
    Q_OBJECT
public:
    explicit SetupPage(QWidget* parent = nullptr);

    QCheckBox* FrontPanelLockCheckBox = nullptr;
    QGroupBox* GroupBox24 = nullptr;  // holds the link selector; takes the focus when it is put back
    RadioGroup* SerialModeRadioGroup = nullptr;
    QGroupBox* EthernetConfigGroupBox = nullptr;
    QLineEdit* IPAddrEdit = nullptr;
    QPushButton* IPAddressButton = nullptr;
    QPushButton* ResetButton = nullptr;
    QPushButton* FactoryResetButton = nullptr;
    QPushButton* SystemSaveButton = nullptr;
    QPushButton* SystemRecallButton = nullptr;
    QGroupBox* VerticalSwitchingGroupBox = nullptr;
    QCheckBox* VIStateCheckBox = nullptr;
    // Follow mode: the panel polls the switcher at the interval (seconds).
    QGroupBox* FollowGroupBox = nullptr;
    QCheckBox* FollowCheckBox = nullptr;
    QSpinBox* FollowIntervalSpinBox = nullptr;
};

}  // namespace vx::ui
