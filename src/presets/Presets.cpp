#include "presets/Presets.h"

#include <utility>

#include "model/HandlerGuard.h"

namespace vx {

Presets::Presets(SwitcherState& model, CommandSender& sender, Crosspoint& crosspoint, PresetBoxView& box,
                 std::function<void()> refresh)
    : m_(model), send_(sender), crosspoint_(crosspoint), box_(box), refresh_(std::move(refresh)) {}

void Presets::InitPresets() {
    InitPresetRecords(m_);
    ShowIdle();
}

bool Presets::IsPresetStored(int n) const {
    return vx::IsPresetStored(m_, n);
}

void Presets::ShowIdle() {
    mode_ = PresetBoxMode::Idle;
    box_.SetPresetPageVisible(false);
    box_.SetSaveEnabled(true);
    box_.SetRecallEnabled(true);
    box_.SetSaveCancelEnabled(false);
    box_.SetRecallCancelEnabled(false);
    box_.SetConfirmEnabled(false);
}

void Presets::StorePreset(int p) {
    if (!IsIndex(p, PresetCount)) return;
    m_.SelectedPreset = p;
    CopyLiveIntoPreset(m_, p);
    // The switcher stores its own state under the number: the pending routes go first.
    crosspoint_.TakeRoutes();
    send_.SendPresetStore(p);
    mode_ = PresetBoxMode::Idle;
    box_.SetRecallEnabled(true);
    box_.SetSaveCancelEnabled(false);
    box_.SetPresetPageVisible(false);
}

void Presets::PresetsSaveButtonClick() {
    if (mode_ == PresetBoxMode::Recall) return;
    mode_ = PresetBoxMode::Save;
    box_.SetSaveCancelEnabled(true);
    box_.SetPresetPageVisible(true);
    box_.SetRecallEnabled(false);
    for (int p = 0; p < PresetCount; ++p) box_.SetPresetButtonEnabled(p, true);
}

void Presets::PresetSaveCancelButtonClick() {
    if (mode_ != PresetBoxMode::Save) return;
    mode_ = PresetBoxMode::Idle;
    box_.SetSaveCancelEnabled(false);
    box_.SetPresetPageVisible(false);
    box_.SetRecallEnabled(true);
}

void Presets::PresetsRecallButtonClick() {
    if (mode_ == PresetBoxMode::Save) return;
    mode_ = PresetBoxMode::Recall;
    box_.SetRecallCancelEnabled(true);
    box_.SetPresetPageVisible(true);
    box_.SetSaveEnabled(false);
    box_.SetSaveCancelEnabled(false);
    // Only a stored preset can be previewed.
    for (int p = 0; p < PresetCount; ++p) box_.SetPresetButtonEnabled(p, IsPresetStored(p + 1));
}

void Presets::PresetButtonClick(int p) {
    if (!IsIndex(p, PresetCount)) return;
    HandlerGuard guard(m_);
    if (!guard) return;
    if (mode_ == PresetBoxMode::Save) {
        m_.SelectedPreset = p;
        StorePreset(p);
    } else if (mode_ == PresetBoxMode::Recall && IsPresetStored(p + 1)) {
        m_.SelectedPreset = p;
        box_.SetConfirmEnabled(true);
        LoadPreset(p, PresetLoad::Preview);
    }
}

void Presets::PresetRecallConfirmButtonClick() {
    if (mode_ == PresetBoxMode::Recall && m_.PreviewActive != 0) ConfirmPresetRecall();
}

void Presets::PresetRecallCancelButtonClick() {
    if (mode_ == PresetBoxMode::Recall) CancelPresetRecall();
}

}  // namespace vx
