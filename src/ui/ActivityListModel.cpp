#include "ui/ActivityListModel.h"

#include "activity/ActivityFilter.h"
#include "activity/ActivityText.h"

namespace vx::ui {

void ActivityListModel::Reset(std::vector<ActivityRecord> records, const std::string& filter) {
    beginResetModel();
    records_ = std::move(records);
    filter_ = filter;
    rows_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i)
        if (filter_.empty() || MatchesFilter(records_[i], filter_)) rows_.push_back(i);
    endResetModel();
}

void ActivityListModel::Append(std::vector<ActivityRecord> more) {
    std::vector<std::size_t> added;
    const std::size_t first = records_.size();
    for (std::size_t i = 0; i < more.size(); ++i)
        if (filter_.empty() || MatchesFilter(more[i], filter_)) added.push_back(first + i);
    records_.insert(records_.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    if (added.empty()) return;
    // Newest first: the new rows go on top.
    beginInsertRows({}, 0, static_cast<int>(added.size()) - 1);
    rows_.insert(rows_.end(), added.begin(), added.end());
    endInsertRows();
}

int ActivityListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

QVariant ActivityListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) return {};
    const std::size_t at = rows_[rows_.size() - 1 - static_cast<std::size_t>(index.row())];
    return QString::fromStdString(RecordWords(records_[at]));
}

}  // namespace vx::ui
