#pragma once
// The box "Preset Save/Recall": the enabling of its five buttons, the page of preset
// buttons and the eight preset buttons. Indexes are 0-based; p is a preset 0..7. The
// buttons' captions are the names' (NameCaptionView).

namespace vx {

struct PresetBoxView {
    virtual ~PresetBoxView() = default;
    virtual void SetSaveEnabled(bool on) = 0;           // PresetsSaveButton
    virtual void SetRecallEnabled(bool on) = 0;         // PresetsRecallButton
    virtual void SetSaveCancelEnabled(bool on) = 0;     // PresetSaveCancelButton
    virtual void SetRecallCancelEnabled(bool on) = 0;   // PresetRecallCancelButton
    virtual void SetConfirmEnabled(bool on) = 0;        // PresetRecallConfirmButton
    virtual void SetPresetPageVisible(bool on) = 0;     // PresetsPageControl
    virtual void SetPresetButtonEnabled(int p, bool on) = 0;
};

}  // namespace vx
