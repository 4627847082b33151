#include "ui/NameBoxEvents.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "panel/PanelCore.h"
#include "ui/HandlerRunner.h"

namespace vx::ui {

NameBoxEvents::NameBoxEvents(PanelCore& core, HandlerRunner& handlers, QObject* parent)
    : QObject(parent), core_(core), handlers_(handlers) {}

void NameBoxEvents::Watch(QLineEdit* edit, NameBox box) {
    boxes_.insert(edit, box);
    edit->installEventFilter(this);
}

bool NameBoxEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto it = boxes_.constFind(watched);
    if (it == boxes_.constEnd()) return false;
    const NameBox box = *it;
    if (event->type() == QEvent::FocusOut) {
        handlers_.Run([this, box] { core_.NameBoxExit(box); });
    } else if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() != 1) return false;
        bool taken = false;
        const char32_t key = text.front().unicode();
        handlers_.Run([this, box, key, &taken] { taken = core_.NameBoxKeyPress(box, key); });
        return taken;
    }
    return false;
}

}  // namespace vx::ui
