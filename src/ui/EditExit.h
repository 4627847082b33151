#pragma once
// The "exit" of an edit box: the operator moved the focus away from it (Tab, Backtab, a
// click, a shortcut). Moves made by the panel itself (a focus sent back after a message)
// and a message box taking the focus are not exits. The action runs from the event
// loop right after the move, never inside the focus change.
#include <functional>

class QLineEdit;

namespace vx::ui {

void OnEditExit(QLineEdit* edit, std::function<void()> action);

}  // namespace vx::ui
