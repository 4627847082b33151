#pragma once
// Stands in for the preset preview until presets are built: with no preview ever
// active, take and cancel never reach these.
#include "routing/PresetRecallHooks.h"

namespace vx::ui {

class NoPresetRecall : public PresetRecallHooks {
public:
    void ConfirmPresetRecall() override {}
    void CancelPresetRecall() override {}
};

}  // namespace vx::ui
