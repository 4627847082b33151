// Recalling a preset: the preview with its confirm and cancel, and the direct recall.
#include <vector>

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
        for (int o = 0; o < outputs; ++o)
            if (!reclockKept_ || !reclockKept_(o)) send_.SendReclock(o, m_.Reclockers[o]);
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
    if (IsIndex(m_.SelectedPreset, PresetCount)) {
        send_.SendPresetRecall(m_.SelectedPreset, 1);
        // Routes the operator chose during the preview were kept off the switcher; the
        // recall has put the preset in force there, so they follow as a take of their own.
        const std::vector<int> changed = RoutesChangedFromPreset(m_, m_.SelectedPreset);
        for (int o : changed) crosspoint_.MakePending(o, m_.Routes[o].Input);
        if (!changed.empty()) send_.SendTake();
    }
    crosspoint_.CommitPending();
    // Every output is now in force on the switcher as shown: each is its own fallback.
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) m_.PrevInputs[o] = m_.Routes[o].Input;
    m_.PreviewActive = 0;
}

void Presets::CancelPresetRecall() {
    LeaveRecall();
    // Without a preview there is nothing to withdraw: the routes pending then are the
    // operator's own, which the switcher holds as they are shown.
    if (m_.PreviewActive == 0) return;
    // The switcher never left the state from before the preview: it comes back whole.
    RestoreLiveState(m_, saved_);
    m_.PreviewActive = 0;
    Redraw();
}

void Presets::Redraw() {
    {
        SuppressEventsScope quiet(m_);
        refresh_();
    }
    crosspoint_.ColourInputsForOutput(m_.SelectedOutput);
}

}  // namespace vx
