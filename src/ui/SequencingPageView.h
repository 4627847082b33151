#pragma once
// The "Sequencing" page as the sequencer sees it: the rows' texts and "On" boxes, the row
// highlight, the lock of the rows and the sequence light.
#include "presets/SequencingView.h"

namespace vx::ui {

class SequencingPage;

class SequencingPageView : public SequencingView {
public:
    explicit SequencingPageView(SequencingPage& page) : page_(page) {}
    bool IsRowOn(int k) const override;
    std::string PresetText(int k) const override;
    std::string DelayText(int k) const override;
    void SetRowEditsEnabled(int k, bool on) override;
    bool IsPageShown() const override;
    void FocusPresetEdit(int k) override;
    void FocusDelayEdit(int k) override;
    void SetRowsUnlocked(bool on) override;
    void SetRowColour(int k, Colour c) override;
    void SetSequenceLight(bool lit) override;

private:
    SequencingPage& page_;
};

}  // namespace vx::ui
