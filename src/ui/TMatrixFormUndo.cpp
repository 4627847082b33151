// The Edit menu's undo and redo, and the protected outputs' marks and context menus:
// each item runs the core's action through the handler runner, and the core's
// notifications redraw them.
#include <QAction>
#include <QMenuBar>

#include "ui/EditMenu.h"
#include "ui/MainMenu.h"
#include "ui/ProtectMarks.h"
#include "ui/TMatrixForm.h"
#include "ui/VideoSwitchingPage.h"

namespace vx::ui {

void TMatrixForm::WireUndoAndProtection() {
    // "Edit" stands between "File" and "Serial Port".
    editMenu_ = new EditMenu(menuBar(), menu_->Search1->menuAction());
    Forward(editMenu_->UndoTake1, &QAction::triggered, &PanelCore::UndoTakeClick);
    Forward(editMenu_->RedoTake1, &QAction::triggered, &PanelCore::RedoTakeClick);
    core_->OnUndoChanged([this] {
        editMenu_->Show(QString::fromStdString(core_->UndoText()), core_->CanUndo(),
                        QString::fromStdString(core_->RedoText()), core_->CanRedo());
    });

    protectMarks_ = std::make_unique<ProtectMarks>(*video_);
    ForwardEach(protectMarks_->ProtectActions, &QAction::triggered, &PanelCore::ProtectOutputClick);
    core_->OnProtectionChanged([this](int output) {
        const auto show = [this](int o) {
            protectMarks_->Show(o, core_->IsProtected(o));
        };
        if (output >= 0) {
            show(output);
            return;
        }
        for (int o = 0; o < MaxOutputs; ++o) show(o);
    });
}

}  // namespace vx::ui
