// The "Setup" page's switcher-wide commands wired to the panel core.
#include <QCheckBox>
#include <QPushButton>

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
}

}  // namespace vx::ui
