#include "ui/KeyRoutingFilter.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace vx::ui {

namespace {

// Typing into these must never route.
bool IsTextField(const QWidget* w) {
    if (!w) return false;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
        qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(w);
    return combo && combo->isEditable();
}

}  // namespace

std::optional<KeyStroke> RoutingKeyOf(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    const int key = e.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (mods == Qt::ControlModifier) return KeyStroke{RoutingKey::Take};
        if (mods == Qt::NoModifier) return KeyStroke{RoutingKey::Enter};
        return std::nullopt;
    }
    if (mods != Qt::NoModifier && mods != Qt::ShiftModifier) return std::nullopt;
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && mods == Qt::NoModifier)
        return KeyStroke{RoutingKey::Digit, key - Qt::Key_0};
    switch (key) {
        case Qt::Key_O: return KeyStroke{RoutingKey::Output};
        case Qt::Key_I: return KeyStroke{RoutingKey::Input};
        case Qt::Key_P: return KeyStroke{RoutingKey::Protect};
        case Qt::Key_Escape: return KeyStroke{RoutingKey::Escape};
        case Qt::Key_Backspace: return KeyStroke{RoutingKey::Backspace};
        default: return std::nullopt;
    }
}

KeyRoutingFilter::KeyRoutingFilter(QWidget& window, std::function<bool()> active,
                                   std::function<bool(KeyStroke)> route)
    : QObject(&window), window_(window), active_(std::move(active)), route_(std::move(route)) {}

bool KeyRoutingFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    // Only keys meant for this window, and each once: a key the focused widget leaves
    // travels on to its parents.
    QWidget* focus = window_.focusWidget();
    if (!target || target != (focus ? focus : &window_)) return false;
    if (IsTextField(target) || !active_()) return false;
    const auto stroke = RoutingKeyOf(*static_cast<QKeyEvent*>(event));
    return stroke && route_(*stroke);
}

}  // namespace vx::ui
