#pragma once
// While a preset preview waits for confirm or cancel, take and cancel on the routing
// page act on the preview instead of the pending routes.
namespace vx {

struct PresetRecallHooks {
    virtual ~PresetRecallHooks() = default;
    virtual void ConfirmPresetRecall() = 0;
    virtual void CancelPresetRecall() = 0;
};

}  // namespace vx
