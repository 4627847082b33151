#pragma once
// "Activity Log": today's records in words, newest first, a filter box and "Export CSV...".
// A view over the log the panel writes: it reads every record when shown or filtered, and
// while open only those that came since (a look at the count each second).
#include <QWidget>
#include <functional>
#include <vector>

#include "activity/ActivityRecord.h"
#include "ui/ActivityListModel.h"

class QLineEdit;
class QListView;
class QPushButton;
class QTimer;

namespace vx::ui {

inline constexpr const char* ActivityLogTitle = "Activity Log";
inline constexpr const char* ExportCsvCaption = "Export CSV...";

class ActivityLogWindow : public QWidget {
    Q_OBJECT
public:
    // How many records today has, and today's records from a place on, oldest first.
    struct RecordFeed {
        std::function<std::size_t()> Count;
        std::function<std::vector<ActivityRecord>(std::size_t from)> From;
    };
    explicit ActivityLogWindow(RecordFeed records, QWidget* parent = nullptr);

    // Lists the records that came since the last look (all of them again when the day's
    // records started afresh).
    void Refresh();
    // Reads every record again and lists those the filter lets through.
    void Reload();
    // The listed records (all of today's, filter or not) as CSV, written atomically: an
    // existing file is replaced only once the new one is complete. Empty on success,
    // otherwise what went wrong.
    QString ExportTo(const QString& path) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ExportClicked();

    RecordFeed records_;
    ActivityListModel* model_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QListView* list_ = nullptr;
    QPushButton* export_ = nullptr;
    QTimer* refresh_ = nullptr;
};

}  // namespace vx::ui
