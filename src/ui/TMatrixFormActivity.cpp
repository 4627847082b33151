// The window's side of the activity log: the View menu's item and the log window.
#include <QAction>
#include <algorithm>

#include "ui/MainMenu.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::SetActivityRecords(std::function<std::vector<ActivityRecord>()> records) {
    if (!records) {
        SetActivityRecords(ActivityLogWindow::RecordFeed{});
        return;
    }
    // A few records (a tool, a test): each look takes them all.
    ActivityLogWindow::RecordFeed feed;
    feed.Count = [records] { return records().size(); };
    feed.From = [records](std::size_t from) {
        auto all = records();
        all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())));
        return all;
    };
    SetActivityRecords(std::move(feed));
}

void TMatrixForm::SetActivityRecords(ActivityLogWindow::RecordFeed records) {
    activityRecords_ = std::move(records);
    menu_->ActivityLog1->setEnabled(static_cast<bool>(activityRecords_.From));
}

void TMatrixForm::ShowActivityLog() {
    if (!activityRecords_.From) return;
    if (!activityWindow_) {
        // Through the form, so a feed set later is the one the window reads.
        ActivityLogWindow::RecordFeed feed;
        feed.Count = [this] { return activityRecords_.Count ? activityRecords_.Count() : 0; };
        feed.From = [this](std::size_t from) { return activityRecords_.From(from); };
        activityWindow_ = new ActivityLogWindow(std::move(feed), this);
    }
    activityWindow_->show();
    activityWindow_->raise();
    activityWindow_->activateWindow();
}

}  // namespace vx::ui
