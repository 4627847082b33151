#pragma once
// The progress window: one line of message and a row of progress dots. It stays on top
// of every window without blocking the main window; its users set the texts, show it
// and hide it.
#include <QWidget>

class QLabel;

namespace vx::ui {

class TInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit TInfoForm(QWidget* parent = nullptr);

    void SetInfoText(const QString& text);
    void SetProgressText(const QString& dots);
    QLabel* InfoLabel() const { return info_; }
    QLabel* InfoProgressLabel() const { return progress_; }

protected:
    // Lets pending events run once so that the window is painted before the caller's
    // blocking work begins, and keeps it centred on the screen.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* info_;
    QLabel* progress_;
};

}  // namespace vx::ui
