#pragma once
// The operator's names: the name boxes of the "Labeling" page, their slots in Labels
// and the captions that show them. Names never reach the switcher.
//
// A box's text is the working copy of its name. Group and preset slots follow their box
// each time it is left; input and output slots only at GatherLabels (at start and before
// every save), and only below the switcher's counts.
#include "labels/NameBox.h"
#include "labels/NameBoxView.h"
#include "labels/NameCaptionView.h"
#include "model/SwitcherState.h"

namespace vx {

class Labeling {
public:
    Labeling(SwitcherState& model, NameBoxView& boxes, NameCaptionView& captions);

    // Exit action of a box (InputLabelEdit1Exit .. PresetLabelEdit8Exit): its name onto
    // the controls it names; a group or preset name also into its slot.
    void NameBoxExit(NameBox box);
    // Enter (carriage return) in a box: the box's exit action, then the focus to the next
    // enabled box of the chain.
    void MoveToNextBox(NameBox box);
    // True for the key that moves on through the chain; every other key is the box's.
    static bool IsChainKey(char32_t key) { return key == 13; }

    // The exit action of every box of a family, box 1 first.
    void ShowLabels(NameFamily f);

    // Boxes to slots: inputs and outputs below the counts, all groups and presets.
    void GatherLabels();
    // Slots to boxes, all of them whatever the counts, then the four show operations.
    void ApplyLabels();

    // The numbers "1" .. "16" (or "8") back into a family's boxes, then its show operation.
    void ResetInputLabelsButtonClick() { ResetLabels(NameFamily::Input); }
    void ResetOutputLabelsButtonClick() { ResetLabels(NameFamily::Output); }
    void ResetGroupLabelsButtonClick() { ResetLabels(NameFamily::Group); }
    void ResetPresetLabelsButtonClick() { ResetLabels(NameFamily::Preset); }
    void ResetLabels(NameFamily f);

private:
    NameSlot* SlotOf(NameBox box);

    SwitcherState& m_;
    NameBoxView& boxes_;
    NameCaptionView& captions_;
};

}  // namespace vx
