#pragma once
// "Activity Log": today's records in words, newest first, a filter box and "Export CSV...".
// A view over the log the panel writes; it reads the records when shown and on Refresh.
#include <QWidget>
#include <functional>
#include <vector>

#include "activity/ActivityRecord.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace vx::ui {

inline constexpr const char* ActivityLogTitle = "Activity Log";
inline constexpr const char* ExportCsvCaption = "Export CSV...";

class ActivityLogWindow : public QWidget {
    Q_OBJECT
public:
    using RecordSource = std::function<std::vector<ActivityRecord>()>;
    explicit ActivityLogWindow(RecordSource records, QWidget* parent = nullptr);

    // Reads the records again and lists those the filter lets through.
    void Refresh();
    // The listed records (all of today's, filter or not) as CSV, written atomically: an
    // existing file is replaced only once the new one is complete. Empty on success,
    // otherwise what went wrong.
    QString ExportTo(const QString& path) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ExportClicked();

    RecordSource records_;
    std::vector<ActivityRecord> shown_;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* export_ = nullptr;
    QTimer* refresh_ = nullptr;
};

}  // namespace vx::ui
