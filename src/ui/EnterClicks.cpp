#include "ui/EnterClicks.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>

namespace vx::ui {

namespace {

class EnterClickFilter : public QObject {
public:
    explicit EnterClickFilter(QAbstractButton* button) : QObject(button), button_(button) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != button_ || event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        if (button_->isEnabled()) button_->click();
        return true;
    }

private:
    QAbstractButton* button_;
};

}  // namespace

void ClickOnEnter(QAbstractButton* button) {
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(new EnterClickFilter(button));
}

}  // namespace vx::ui
