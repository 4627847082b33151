// The "Setup" page's switcher-wide commands and follow mode wired to the panel core.
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>

#include "ui/OperatorToggle.h"
#include "ui/SetupPage.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::WireSetupPage() {
    SetupPage& page = *setup_;
    ForwardToggle(page.FrontPanelLockCheckBox, &PanelCore::FrontPanelLockCheckBoxClick);
    ForwardToggle(page.VIStateCheckBox, &PanelCore::VIStateCheckBoxClick);
    Forward(page.ResetButton, &QPushButton::clicked, &PanelCore::ResetButtonClick);
    Forward(page.FactoryResetButton, &QPushButton::clicked, &PanelCore::FactoryResetButtonClick);
    Forward(page.SystemSaveButton, &QPushButton::clicked, &PanelCore::SystemSaveButtonClick);
    Forward(page.SystemRecallButton, &QPushButton::clicked, &PanelCore::SystemRecallButtonClick);
    // Follow mode's boxes act on toggled and valueChanged: the core sets them with their
    // signals blocked, so what arrives here is the operator's change, however it was made.
    OnOperatorToggle(page.FollowCheckBox, this,
                     [this](bool on) { handlers_.Run([this, on] { core_->FollowCheckBoxClick(on); }); });
    connect(page.FollowIntervalSpinBox, &QSpinBox::valueChanged, this, [this](int seconds) {
        handlers_.Run([this, seconds] { core_->FollowIntervalChange(seconds); });
    });
}

}  // namespace vx::ui
