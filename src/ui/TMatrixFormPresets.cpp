// The event wiring of the preset box and the "Sequencing" page, and the sequencer's timer.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/EditExit.h"
#include "ui/PresetBox.h"
#include "ui/SequencingPage.h"
#include "ui/TMatrixForm.h"

namespace vx::ui {

void TMatrixForm::WirePresetBox() {
    PanelCore& core = *core_;
    PresetBox& box = *presetBox_;
    handlers_.Bind(box.PresetsSaveButton, &QPushButton::clicked, this,
                   [&core] { core.PresetsSaveButtonClick(); });
    handlers_.Bind(box.PresetSaveCancelButton, &QPushButton::clicked, this,
                   [&core] { core.PresetSaveCancelButtonClick(); });
    handlers_.Bind(box.PresetsRecallButton, &QPushButton::clicked, this,
                   [&core] { core.PresetsRecallButtonClick(); });
    for (int p = 0; p < PresetCount; ++p)
        handlers_.Bind(box.PresetButtons[static_cast<std::size_t>(p)], &QPushButton::clicked, this,
                       [&core, p] { core.PresetButtonClick(p); });
    handlers_.Bind(box.PresetRecallConfirmButton, &QPushButton::clicked, this,
                   [&core] { core.PresetRecallConfirmButtonClick(); });
    handlers_.Bind(box.PresetRecallCancelButton, &QPushButton::clicked, this,
                   [&core] { core.PresetRecallCancelButtonClick(); });
}

void TMatrixForm::WireSequencingPage() {
    PanelCore& core = *core_;
    SequencingPage& page = *sequencing_;
    for (int k = 0; k < SequenceRows; ++k) {
        const auto at = static_cast<std::size_t>(k);
        handlers_.Bind(page.PresetSeqEnableCheckBoxes[at], &QCheckBox::clicked, this,
                       [&core, k] { core.PresetSeqEnableCheckBoxClick(k); });
        OnEditExit(page.PresetSeqEdits[at],
                   [this, &core, k] { handlers_.Run([&core, k] { core.PresetSeqEditExit(k); }); });
        OnEditExit(page.PresetDelayEdits[at],
                   [this, &core, k] { handlers_.Run([&core, k] { core.PresetDelayEditExit(k); }); });
    }
    handlers_.Bind(page.PresetSeqStartButton, &QPushButton::clicked, this,
                   [&core] { core.PresetSeqStartButtonClick(); });
    handlers_.Bind(page.PresetSeqStopButton, &QPushButton::clicked, this,
                   [&core] { core.PresetSeqStopButtonClick(); });
    // The timer fires from the event loop, also inside a wait: an error is shown like any other.
    services_.PresetSeqTimer.SetHandler([this] { handlers_.Run([this] { core_->PresetSeqTimerTimer(); }); });
}

}  // namespace vx::ui
