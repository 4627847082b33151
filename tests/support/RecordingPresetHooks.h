#pragma once
// PresetRecallHooks that count their calls (the presets issue fills in the real ones).
#include <functional>

#include "routing/PresetRecallHooks.h"

namespace vx::test {

class RecordingPresetHooks : public PresetRecallHooks {
public:
    void ConfirmPresetRecall() override {
        ++confirms;
        if (onConfirm) onConfirm();
    }
    void CancelPresetRecall() override {
        ++cancels;
        if (onCancel) onCancel();
    }
    int confirms = 0;
    int cancels = 0;
    std::function<void()> onConfirm;
    std::function<void()> onCancel;
};

}  // namespace vx::test
