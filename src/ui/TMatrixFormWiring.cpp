// The window's event wiring: every widget event becomes one call into the core, run
// through the handler runner so an error is shown and the panel goes on.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include "ui/GroupingPage.h"
#include "ui/MainMenu.h"
#include "ui/RadioGroup.h"
#include "ui/TMatrixForm.h"
#include "ui/VideoSwitchingPage.h"

namespace vx::ui {

void TMatrixForm::WireRoutingPage() {
    for (int i = 0; i < MaxOutputs; ++i) {
        const auto at = static_cast<std::size_t>(i);
        handlers_.Bind(video_->OutputButtons[at], &QPushButton::clicked, this,
                       [this, i] { crosspoint_->OutputButtonClick(i); });
        // clicked, not toggled: a box set from the model must not run the handler.
        handlers_.Bind(video_->ReclockerCheckBoxes[at], &QCheckBox::clicked, this,
                       [this, i] { outputs_->ReclockerCheckBoxClick(i); });
    }
    for (int k = 0; k < MaxInputs; ++k)
        handlers_.Bind(video_->InputButtons[static_cast<std::size_t>(k)], &QPushButton::clicked, this,
                       [this, k] { crosspoint_->InputButtonClick(k); });
    handlers_.Bind(video_->TakeButton, &QPushButton::clicked, this,
                   [this] { crosspoint_->TakeButtonClick(); });
    handlers_.Bind(video_->CancelTakeButton, &QPushButton::clicked, this,
                   [this] { crosspoint_->CancelTakeButtonClick(); });
    handlers_.Bind(video_->ClearAllRoutingButton, &QPushButton::clicked, this,
                   [this] { crosspoint_->ClearAllRoutingButtonClick(); });
}

void TMatrixForm::WireGroupingPage() {
    GroupingPage& page = *groupingPage_;
    handlers_.Bind(page.GroupingRadioGroup, &RadioGroup::ItemClicked, this,
                   [this] { grouping_->GroupingRadioGroupClick(); });
    for (int i = 0; i < MaxInputs; ++i)
        handlers_.Bind(page.GroupInputButtons[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                       [this, i] { grouping_->GroupInputButtonClick(i); });
    for (int o = 0; o < MaxOutputs; ++o)
        handlers_.Bind(page.GroupOutputButtons[static_cast<std::size_t>(o)], &QPushButton::clicked, this,
                       [this, o] { grouping_->GroupOutputButtonClick(o); });
    handlers_.Bind(page.GroupingRemoveButton, &QPushButton::clicked, this,
                   [this] { grouping_->GroupingRemoveButtonClick(); });
    handlers_.Bind(page.GroupingRemoveAllButton, &QPushButton::clicked, this,
                   [this] { grouping_->GroupingRemoveAllButtonClick(); });
}

void TMatrixForm::WireMenu() {
    MainMenu& m = *menu_;
    // Exit asks the window to close, which asks the operator first.
    handlers_.Bind(m.Exit1, &QAction::triggered, this, [this] { close(); });
    handlers_.Bind(m.About1, &QAction::triggered, this, [this] { About1Click(); });
    // The advanced settings menu is never enabled, but its rates do what they say.
    handlers_.Bind(m.N192001, &QAction::triggered, this, [this] { serialLink_->N192001Click(); });
    handlers_.Bind(m.N384001, &QAction::triggered, this, [this] { serialLink_->N384001Click(); });
    handlers_.Bind(m.N576001, &QAction::triggered, this, [this] { serialLink_->N576001Click(); });
}

}  // namespace vx::ui
