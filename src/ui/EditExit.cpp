#include "ui/EditExit.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace vx::ui {

namespace {

class EditExitFilter : public QObject {
public:
    EditExitFilter(QLineEdit* edit, std::function<void()> action)
        : QObject(edit), edit_(edit), action_(std::move(action)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != edit_ || event->type() != QEvent::FocusOut) return false;
        switch (static_cast<QFocusEvent*>(event)->reason()) {
            case Qt::TabFocusReason:
            case Qt::BacktabFocusReason:
            case Qt::MouseFocusReason:
            case Qt::ShortcutFocusReason:
                // Queued: a message box opened inside a focus change would leave the
                // clicked button half pressed.
                QTimer::singleShot(0, this, [this] { action_(); });
                break;
            default:
                break;
        }
        return false;
    }

private:
    QLineEdit* edit_;
    std::function<void()> action_;
};

}  // namespace

void OnEditExit(QLineEdit* edit, std::function<void()> action) {
    edit->installEventFilter(new EditExitFilter(edit, std::move(action)));
}

}  // namespace vx::ui
