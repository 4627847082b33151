#include "ui/EditMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "undo/UndoHistory.h"

namespace vx::ui {

EditMenu::EditMenu(QMenuBar* bar, QAction* before) : QObject(bar) {
    Edit1 = new QMenu("Edit", bar);
    Edit1->setObjectName("Edit1");
    Edit1->menuAction()->setObjectName("Edit1Item");
    UndoTake1 = Edit1->addAction(UndoCaption);
    UndoTake1->setObjectName("UndoTake1");
    UndoTake1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    RedoTake1 = Edit1->addAction(RedoCaption);
    RedoTake1->setObjectName("RedoTake1");
    RedoTake1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The keys work wherever the focus is in the window; a text field keeps its own undo.
    for (QAction* a : {UndoTake1, RedoTake1}) a->setShortcutContext(Qt::WindowShortcut);
    bar->insertMenu(before, Edit1);
    Show(UndoCaption, false, RedoCaption, false);
}

void EditMenu::Show(const QString& undoText, bool canUndo, const QString& redoText, bool canRedo) {
    UndoTake1->setText(undoText);
    UndoTake1->setEnabled(canUndo);
    RedoTake1->setText(redoText);
    RedoTake1->setEnabled(canRedo);
}

}  // namespace vx::ui
