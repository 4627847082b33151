#pragma once
// A PresetBoxView that remembers the box's widget states, starting idle.
#include <array>

#include "model/Records.h"
#include "presets/PresetBoxView.h"

namespace vx::test {

struct RecordingPresetBoxView : PresetBoxView {
    void SetSaveEnabled(bool on) override { save = on; }
    void SetRecallEnabled(bool on) override { recall = on; }
    void SetSaveCancelEnabled(bool on) override { saveCancel = on; }
    void SetRecallCancelEnabled(bool on) override { recallCancel = on; }
    void SetConfirmEnabled(bool on) override { confirm = on; }
    void SetPresetPageVisible(bool on) override { pageVisible = on; }
    void SetPresetButtonEnabled(int p, bool on) override { buttons.at(static_cast<std::size_t>(p)) = on; }

    bool save = true, recall = true, saveCancel = false, recallCancel = false, confirm = false;
    bool pageVisible = false;
    std::array<bool, PresetCount> buttons{};
};

}  // namespace vx::test
