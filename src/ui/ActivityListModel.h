#pragma once
// The log window's list: today's records that the filter lets through, newest first. Rows
// are put into words only when drawn, and records that arrive are added at the top without
// going over the others again, so an open window costs nothing while the log is quiet and
// little more than the new records when it is not, however long the day has been.
#include <QAbstractListModel>
#include <string>
#include <vector>

#include "activity/ActivityRecord.h"

namespace vx::ui {

class ActivityListModel final : public QAbstractListModel {
public:
    explicit ActivityListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    // Every record again (the window opened, the filter changed, a new day began).
    void Reset(std::vector<ActivityRecord> records, const std::string& filter);
    // Records that came after those held, oldest first.
    void Append(std::vector<ActivityRecord> more);
    const std::vector<ActivityRecord>& Records() const { return records_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<ActivityRecord> records_;  // oldest first
    std::vector<std::size_t> rows_;        // the matching records' places, oldest first
    std::string filter_;
};

}  // namespace vx::ui
