// The window's wiring of the names and the configuration file: the name boxes, the
// four reset buttons and the two items of the "File" menu.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include "ui/LabelViews.h"
#include "ui/LabelingPage.h"
#include "ui/MainMenu.h"
#include "ui/NameBoxEvents.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::WireLabels() {
    PanelCore& core = *core_;
    nameBoxEvents_ = new NameBoxEvents(core, handlers_, this);
    for (NameFamily f : {NameFamily::Input, NameFamily::Output, NameFamily::Group, NameFamily::Preset})
        for (int i = 0; i < FamilySize(f); ++i) nameBoxEvents_->Watch(nameBoxesView_->Edit({f, i}), {f, i});
    LabelingPage& page = *labeling_;
    handlers_.Bind(page.ResetInputLabelsButton, &QPushButton::clicked, this,
                   [&core] { core.ResetInputLabelsButtonClick(); });
    handlers_.Bind(page.ResetOutputLabelsButton, &QPushButton::clicked, this,
                   [&core] { core.ResetOutputLabelsButtonClick(); });
    handlers_.Bind(page.ResetGroupLabelsButton, &QPushButton::clicked, this,
                   [&core] { core.ResetGroupLabelsButtonClick(); });
    handlers_.Bind(page.ResetPresetLabelsButton, &QPushButton::clicked, this,
                   [&core] { core.ResetPresetLabelsButtonClick(); });
}

void TMatrixForm::WireConfigFile() {
    PanelCore& core = *core_;
    handlers_.Bind(menu_->SaveConfigurationtoFile1, &QAction::triggered, this,
                   [&core] { core.SaveConfigurationtoFile1Click(); });
    handlers_.Bind(menu_->OpenConfigurationFile1, &QAction::triggered, this,
                   [&core] { core.OpenConfigurationFile1Click(); });
}

}  // namespace vx::ui
