#pragma once
// Enter and Return press a focused button or check box, as Space does: the window is not
// a dialog, so Qt gives them no default action of their own.
class QAbstractButton;

namespace vx::ui {

void ClickOnEnter(QAbstractButton* button);

}  // namespace vx::ui
