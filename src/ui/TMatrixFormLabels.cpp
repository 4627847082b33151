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
    nameBoxEvents_ = new NameBoxEvents(*core_, handlers_, this);
    for (NameFamily f : {NameFamily::Input, NameFamily::Output, NameFamily::Group, NameFamily::Preset})
        for (int i = 0; i < FamilySize(f); ++i) nameBoxEvents_->Watch(nameBoxesView_->Edit({f, i}), {f, i});
    LabelingPage& page = *labeling_;
    Forward(page.ResetInputLabelsButton, &QPushButton::clicked, &PanelCore::ResetInputLabelsButtonClick);
    Forward(page.ResetOutputLabelsButton, &QPushButton::clicked, &PanelCore::ResetOutputLabelsButtonClick);
    Forward(page.ResetGroupLabelsButton, &QPushButton::clicked, &PanelCore::ResetGroupLabelsButtonClick);
    Forward(page.ResetPresetLabelsButton, &QPushButton::clicked, &PanelCore::ResetPresetLabelsButtonClick);
}

void TMatrixForm::WireConfigFile() {
    Forward(menu_->SaveConfigurationtoFile1, &QAction::triggered, &PanelCore::SaveConfigurationtoFile1Click);
    Forward(menu_->OpenConfigurationFile1, &QAction::triggered, &PanelCore::OpenConfigurationFile1Click);
}

}  // namespace vx::ui
