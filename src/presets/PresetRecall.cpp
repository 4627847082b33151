#include "presets/PresetRecall.h"

#include <utility>

#include "model/LiveCount.h"

namespace vx {

PresetRecall::PresetRecall(SwitcherState& model, CommandSender& sender, Crosspoint& crosspoint,
                           PresetBoxView& box, std::function<void()> refresh)
    : m_(model), send_(sender), crosspoint_(crosspoint), box_(box), refresh_(std::move(refresh)) {}

void PresetRecall::LeaveRecall() {
    box_.SetRecallCancelEnabled(false);
    box_.SetConfirmEnabled(false);
    box_.SetPresetPageVisible(false);
    box_.SetSaveEnabled(true);
}

void PresetRecall::ConfirmPresetRecall() {
    LeaveRecall();
    send_.SendPresetRecall(m_.SelectedPreset, 1);
    crosspoint_.CommitPending();
    m_.PreviewActive = 0;
}

void PresetRecall::CancelPresetRecall() {
    LeaveRecall();
    const bool preview = m_.PreviewActive != 0;
    bool anyPending = false;
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        RouteEntry& r = m_.Routes[o];
        if (r.Committed == 0) {
            anyPending = true;
            r.Input = m_.PrevInputs[o];
            r.Committed = m_.SavedCommitted[o];
        }
        if (preview) m_.Reclockers[o] = m_.SavedReclockers[o];
    }
    if (preview) m_.Groups = m_.SavedGroups;
    // Without a preview only the pending routes were put back; redrawn when there were any.
    if (preview || anyPending) {
        refresh_();
        crosspoint_.ColourInputsForOutput(m_.SelectedOutput);
    }
    m_.PreviewActive = 0;
}

}  // namespace vx
