#pragma once
// How every checkable control of the window acts. The action follows the control's
// change of state, not its click: a click, Space and an assistive technology's Press
// action change the state and click, but its Toggle action only changes the state, and
// a control that ticked without acting would show what the switcher does not have.
// The panel's own changes (drawing from the model, putting back an ignored click,
// loading a file) go through SetCheckedQuietly and never act.
#include <QAbstractButton>
#include <QObject>
#include <type_traits>

namespace vx::ui {

// Runs action whenever the operator changes the control's check state, however the
// change arrives; an action that takes a bool is given the new state.
template <class F>
QMetaObject::Connection OnOperatorToggle(QAbstractButton* control, QObject* context, F action) {
    return QObject::connect(control, &QAbstractButton::toggled, context, [action](bool on) {
        if constexpr (std::is_invocable_v<F, bool>)
            action(on);
        else
            action();
    });
}

// Sets the check state as the panel draws it, without acting.
void SetCheckedQuietly(QAbstractButton* control, bool on);

}  // namespace vx::ui
