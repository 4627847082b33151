#pragma once
// The eight presets and the box "Preset Save/Recall". A preset holds the routes,
// reclockers and groups; the switcher keeps its own copy under the same number. Storing
// sends "PRST"; a recall from the box is first a preview, shown on every page while the
// switcher keeps its routes, and sends "RPRST" only when confirmed. The sequencer recalls
// directly. Presets are 0..7 here.
#include <functional>

#include "link/CommandSender.h"
#include "model/SwitcherState.h"
#include "presets/PresetBoxView.h"
#include "presets/PresetModel.h"
#include "routing/Crosspoint.h"
#include "routing/PresetRecallHooks.h"

namespace vx {

// What the box is doing. A preview is recall mode with PreviewActive set.
enum class PresetBoxMode { Idle, Save, Recall };

enum class PresetLoad { Preview, Direct };

class Presets : public PresetRecallHooks {
public:
    // refresh redraws the pages a preset changes from the model.
    Presets(SwitcherState& model, CommandSender& sender, Crosspoint& crosspoint, PresetBoxView& box,
            std::function<void()> refresh);

    // Outputs whose reclocker a direct recall must not set (protected outputs).
    void SetReclockGate(std::function<bool(int o)> kept) { reclockKept_ = std::move(kept); }

    // Every preset empty and the preset buttons hidden. Their captions are the names'
    // (Labeling).
    void InitPresets();
    // Whether preset n (1..8) holds a setting.
    bool IsPresetStored(int n) const;

    // The live state into preset p, "TAKE 1" (every pending route taken), "PRST p+1";
    // the box goes back to idle.
    void StorePreset(int p);
    // Preset p into the live state and onto every page. Preview: every output shown as
    // pending, nothing sent. Direct: "RPRST p+1 0", every route taken as recalled, then
    // "RCLOCK" for every live output in order.
    void LoadPreset(int p, PresetLoad mode);
    // The preview is applied: "RPRST n 1" and the previewed routes taken; box idle.
    void ConfirmPresetRecall() override;
    // The preview is withdrawn: the state from before the first preview comes back;
    // nothing is sent; box idle.
    void CancelPresetRecall() override;

    // Handlers of the box. A button the box's state has disabled does nothing.
    void PresetsSaveButtonClick();
    void PresetSaveCancelButtonClick();
    void PresetsRecallButtonClick();
    void PresetButtonClick(int p);  // PresetButton1Click .. PresetButton8Click; guarded
    void PresetRecallConfirmButtonClick();
    void PresetRecallCancelButtonClick();

    PresetBoxMode Mode() const { return mode_; }

private:
    void ShowIdle();
    // Back to idle from recall mode or a preview.
    void LeaveRecall();
    // Redraws every page, then the input buttons for the selected output.
    void Redraw();

    SwitcherState& m_;
    CommandSender& send_;
    Crosspoint& crosspoint_;
    PresetBoxView& box_;
    std::function<void()> refresh_;
    std::function<bool(int)> reclockKept_;
    PresetBoxMode mode_ = PresetBoxMode::Idle;
    SavedLiveState saved_;
};

}  // namespace vx
