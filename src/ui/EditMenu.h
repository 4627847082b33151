#pragma once
// The menu "Edit": "Undo Take" (Ctrl+Z) and "Redo Take" (Ctrl+Shift+Z, Ctrl+Y). The core
// names the step each item would run and says when it is refused; the window connects
// the handlers.
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace vx::ui {

class EditMenu : public QObject {
    Q_OBJECT
public:
    // The menu goes into the bar before the menu item before.
    EditMenu(QMenuBar* bar, QAction* before);

    QMenu* Edit1 = nullptr;
    QAction* UndoTake1 = nullptr;
    QAction* RedoTake1 = nullptr;

    void Show(const QString& undoText, bool canUndo, const QString& redoText, bool canRedo);
};

}  // namespace vx::ui
