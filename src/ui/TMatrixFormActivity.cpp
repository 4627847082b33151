// The window's side of the activity log: the View menu's item and the log window.
#include <QAction>

#include "ui/MainMenu.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::SetActivityRecords(std::function<std::vector<ActivityRecord>()> records) {
    activityRecords_ = std::move(records);
    menu_->ActivityLog1->setEnabled(static_cast<bool>(activityRecords_));
}

void TMatrixForm::ShowActivityLog() {
    if (!activityRecords_) return;
    if (!activityWindow_)
        activityWindow_ = new ActivityLogWindow([this] { return activityRecords_(); }, this);
    activityWindow_->show();
    activityWindow_->raise();
    activityWindow_->activateWindow();
}

}  // namespace vx::ui
