#include "ui/ActivityLogWindow.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include "activity/ActivityCsv.h"
#include "activity/ActivityFilter.h"
#include "activity/ActivityText.h"

namespace vx::ui {

ActivityLogWindow::ActivityLogWindow(RecordFeed records, QWidget* parent)
    : QWidget(parent, Qt::Window), records_(std::move(records)) {
    setObjectName("ActivityLogWindow");
    setWindowTitle(ActivityLogTitle);
    resize(640, 420);
    filter_ = new QLineEdit(this);
    filter_->setObjectName("ActivityFilterEdit");
    filter_->setPlaceholderText("Filter");
    filter_->setAccessibleName("Filter the activity log");
    filter_->setClearButtonEnabled(true);
    export_ = new QPushButton(ExportCsvCaption, this);
    export_->setObjectName("ActivityExportButton");
    model_ = new ActivityListModel(this);
    list_ = new QListView(this);
    list_->setObjectName("ActivityList");
    list_->setModel(model_);
    list_->setUniformItemSizes(true);  // no row is measured until it is drawn
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAccessibleName("Today's activity, newest first");
    list_->setFont(QFont("Monospace"));
    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    connect(filter_, &QLineEdit::textChanged, this, &ActivityLogWindow::Reload);
    connect(export_, &QPushButton::clicked, this, &ActivityLogWindow::ExportClicked);
    // New records show while the window is open.
    refresh_ = new QTimer(this);
    refresh_->setInterval(1000);
    connect(refresh_, &QTimer::timeout, this, &ActivityLogWindow::Refresh);
}

void ActivityLogWindow::Reload() {
    auto all = records_.From ? records_.From(0) : std::vector<ActivityRecord>{};
    model_->Reset(std::move(all), filter_->text().toStdString());
}

void ActivityLogWindow::Refresh() {
    const std::size_t known = model_->Records().size();
    const std::size_t count = records_.Count ? records_.Count() : 0;
    if (count == known) return;
    if (count < known) {  // a new day: its records start afresh
        Reload();
        return;
    }
    model_->Append(records_.From(known));
}

QString ActivityLogWindow::ExportTo(const QString& path) const {
    const std::string csv = ActivityCsv(model_->Records());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return "Unable to write " + path + ": " + file.errorString();
    if (file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
        !file.commit())
        return "Unable to write " + path + ": " + file.errorString();
    return {};
}

void ActivityLogWindow::ExportClicked() {
    Refresh();
    const QString path = QFileDialog::getSaveFileName(this, ExportCsvCaption, {}, "CSV files (*.csv)");
    if (path.isEmpty()) return;
    const QString error = ExportTo(path);
    if (!error.isEmpty()) QMessageBox::warning(this, ActivityLogTitle, error);
}

void ActivityLogWindow::showEvent(QShowEvent* event) {
    Reload();
    refresh_->start();
    QWidget::showEvent(event);
}

void ActivityLogWindow::hideEvent(QHideEvent* event) {
    refresh_->stop();
    QWidget::hideEvent(event);
}

}  // namespace vx::ui
