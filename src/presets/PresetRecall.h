#pragma once
// The end of a preset preview: confirmed (the switcher recalls the preset and the
// previewed routes are taken) or cancelled (the model goes back to the state saved
// before the first preview; nothing is sent).
#include "link/CommandSender.h"
#include "model/SwitcherState.h"
#include "presets/PresetBoxView.h"
#include "routing/Crosspoint.h"
#include "routing/PresetRecallHooks.h"

namespace vx {

class PresetRecall : public PresetRecallHooks {
public:
    // refresh redraws every page from the model (the read sequence's RefreshFromModel).
    PresetRecall(SwitcherState& model, CommandSender& sender, Crosspoint& crosspoint, PresetBoxView& box,
                 std::function<void()> refresh);

    void ConfirmPresetRecall() override;
    void CancelPresetRecall() override;

private:
    // Back to idle: page hidden, Save enabled, the recall cancel and confirm disabled.
    void LeaveRecall();

    SwitcherState& m_;
    CommandSender& send_;
    Crosspoint& crosspoint_;
    PresetBoxView& box_;
    std::function<void()> refresh_;
};

}  // namespace vx
