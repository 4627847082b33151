// The "Setup" page's switcher-wide commands wired to the panel core.
#include <QCheckBox>
#include <QPushButton>

#include "ui/SetupPage.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::WireSetupPage() {
    PanelCore& core = *core_;
    SetupPage& page = *setup_;
    // clicked, not toggled: a box set from the model must not send its command back.
    handlers_.Bind(page.FrontPanelLockCheckBox, &QCheckBox::clicked, this,
                   [&core] { core.FrontPanelLockCheckBoxClick(); });
    handlers_.Bind(page.VIStateCheckBox, &QCheckBox::clicked, this, [&core] { core.VIStateCheckBoxClick(); });
    handlers_.Bind(page.ResetButton, &QPushButton::clicked, this, [&core] { core.ResetButtonClick(); });
    handlers_.Bind(page.FactoryResetButton, &QPushButton::clicked, this,
                   [&core] { core.FactoryResetButtonClick(); });
    handlers_.Bind(page.SystemSaveButton, &QPushButton::clicked, this,
                   [&core] { core.SystemSaveButtonClick(); });
    handlers_.Bind(page.SystemRecallButton, &QPushButton::clicked, this,
                   [&core] { core.SystemRecallButtonClick(); });
}

}  // namespace vx::ui
