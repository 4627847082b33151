#pragma once
// The about box: application name, version and the minimum screen resolution.
#include <QDialog>

class QLabel;

namespace vx::ui {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
    // "Version " followed by the given text.
    void SetVersion(const QString& version);
    QString VersionText() const;

private:
    QLabel* version_;
};

}  // namespace vx::ui
