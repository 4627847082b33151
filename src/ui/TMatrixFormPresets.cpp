// The event wiring of the preset box and the "Sequencing" page.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/EditExit.h"
#include "ui/PresetBox.h"
#include "ui/SequencingPage.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::WirePresetBox() {
    PresetBox& box = *presetBox_;
    Forward(box.PresetsSaveButton, &QPushButton::clicked, &PanelCore::PresetsSaveButtonClick);
    Forward(box.PresetSaveCancelButton, &QPushButton::clicked, &PanelCore::PresetSaveCancelButtonClick);
    Forward(box.PresetsRecallButton, &QPushButton::clicked, &PanelCore::PresetsRecallButtonClick);
    ForwardEach(box.PresetButtons, &QPushButton::clicked, &PanelCore::PresetButtonClick);
    Forward(box.PresetRecallConfirmButton, &QPushButton::clicked, &PanelCore::PresetRecallConfirmButtonClick);
    Forward(box.PresetRecallCancelButton, &QPushButton::clicked, &PanelCore::PresetRecallCancelButtonClick);
}

void TMatrixForm::WireSequencingPage() {
    SequencingPage& page = *sequencing_;
    ForwardEachToggle(page.PresetSeqEnableCheckBoxes, &PanelCore::PresetSeqEnableCheckBoxClick);
    // An edit is left by the focus, not by a signal.
    for (int k = 0; k < SequenceRows; ++k) {
        const auto at = static_cast<std::size_t>(k);
        OnEditExit(page.PresetSeqEdits[at],
                   [this, k] { handlers_.Run([this, k] { core_->PresetSeqEditExit(k); }); });
        OnEditExit(page.PresetDelayEdits[at],
                   [this, k] { handlers_.Run([this, k] { core_->PresetDelayEditExit(k); }); });
    }
    Forward(page.PresetSeqStartButton, &QPushButton::clicked, &PanelCore::PresetSeqStartButtonClick);
    Forward(page.PresetSeqStopButton, &QPushButton::clicked, &PanelCore::PresetSeqStopButtonClick);
}

}  // namespace vx::ui
