#pragma once
// Hands the keys typed on the "Video Switching" page to the panel core's keyboard
// routing: o, i, digits, Enter, Ctrl+Enter, Escape and Backspace, while the page is shown
// and the focus is not in a text field. A key the routing does not use goes on to the
// focused widget as usual.
#include <QObject>
#include <functional>
#include <optional>

#include "routing/KeyRouting.h"

class QKeyEvent;
class QWidget;

namespace vx::ui {

// The routing key a key press stands for, if any.
std::optional<KeyStroke> RoutingKeyOf(const QKeyEvent& e);

class KeyRoutingFilter : public QObject {
public:
    // active: whether the routing page is the one shown; route: the core's call.
    KeyRoutingFilter(QWidget& window, std::function<bool()> active, std::function<bool(KeyStroke)> route);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<bool()> active_;
    std::function<bool(KeyStroke)> route_;
};

}  // namespace vx::ui
