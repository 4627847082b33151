// Recalling a preset: the preview with its confirm and cancel, and the direct recall.
#include "model/HandlerGuard.h"
#include "model/LiveCount.h"
#include "presets/Presets.h"

namespace vx {

void Presets::LoadPreset(int p, PresetLoad mode) {
    if (!IsIndex(p, PresetCount)) return;
    // A direct recall ends an open preview first, so the box never offers to confirm or
    // cancel a preview that is no longer there.
    if (mode == PresetLoad::Direct && m_.PreviewActive != 0) CancelPresetRecall();
    // A second preview keeps the state saved before the first.
    if (m_.PreviewActive == 0) SaveLiveState(m_, saved_);
    ApplyPresetToLive(m_, p);
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    if (mode == PresetLoad::Preview) {
        m_.PreviewActive = 1;
        for (int o = 0; o < outputs; ++o) m_.Routes[o].Committed = 0;
    } else {
        m_.PreviewActive = 0;
        send_.SendPresetRecall(p, 0);
        crosspoint_.CommitPending();
        // The switcher now has every recalled route in force, so each is what a cancel on
        // the routing page falls back to, also where the preset held it as taken.
        for (int o = 0; o < outputs; ++o) m_.PrevInputs[o] = m_.Routes[o].Input;
        for (int o = 0; o < outputs; ++o) send_.SendReclock(o, m_.Reclockers[o]);
    }
    Redraw();
}

void Presets::LeaveRecall() {
    mode_ = PresetBoxMode::Idle;
    box_.SetRecallCancelEnabled(false);
    box_.SetConfirmEnabled(false);
    box_.SetPresetPageVisible(false);
    box_.SetSaveEnabled(true);
}

void Presets::ConfirmPresetRecall() {
    LeaveRecall();
    if (IsIndex(m_.SelectedPreset, PresetCount)) send_.SendPresetRecall(m_.SelectedPreset, 1);
    crosspoint_.CommitPending();
    m_.PreviewActive = 0;
}

void Presets::CancelPresetRecall() {
    LeaveRecall();
    const bool preview = m_.PreviewActive != 0;
    const bool anyPending = RestoreLiveState(m_, saved_, preview);
    // Without a preview only pending routes were put back; redrawn when there were any.
    if (preview || anyPending) Redraw();
    m_.PreviewActive = 0;
}

void Presets::Redraw() {
    {
        SuppressEventsScope quiet(m_);
        refresh_();
    }
    crosspoint_.ColourInputsForOutput(m_.SelectedOutput);
}

}  // namespace vx
