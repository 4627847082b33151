#include "ui/SetupCommandsView.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "ui/MainMenu.h"
#include "ui/SetupPage.h"

namespace vx::ui {

bool SetupCommandsView::FrontPanelLockChecked() const {
    return page_.FrontPanelLockCheckBox->isChecked();
}
bool SetupCommandsView::VIStateChecked() const {
    return page_.VIStateCheckBox->isChecked();
}

void SetupCommandsView::SetResetMenusEnabled(bool on) {
    // The menu bar entries themselves, so neither menu can be opened at all.
    menu_.File1->menuAction()->setEnabled(on);
    menu_.Search1->menuAction()->setEnabled(on);
}

}  // namespace vx::ui
