#include "labels/Labeling.h"

#include <string>

#include "labels/NameText.h"
#include "model/LiveCount.h"

namespace vx {

Labeling::Labeling(SwitcherState& model, NameBoxView& boxes, NameCaptionView& captions)
    : m_(model), boxes_(boxes), captions_(captions) {}

NameSlot* Labeling::SlotOf(NameBox box) {
    if (!IsNameBox(box)) return nullptr;
    LabelStore& l = m_.Labels();
    switch (box.Family) {
        case NameFamily::Input:
            return &l.InputLabels[box.Index];
        case NameFamily::Output:
            return &l.OutputLabels[box.Index];
        case NameFamily::Group:
            return &l.GroupLabels[box.Index];
        case NameFamily::Preset:
            return &l.PresetLabels[box.Index];
    }
    return nullptr;
}

void Labeling::NameBoxExit(NameBox box) {
    if (!IsNameBox(box)) return;
    const std::string name = boxes_.BoxText(box);
    switch (box.Family) {
        case NameFamily::Input:
            captions_.SetInputName(box.Index, name);
            break;
        case NameFamily::Output:
            captions_.SetOutputName(box.Index, name);
            break;
        case NameFamily::Group:
            captions_.SetGroupName(box.Index, GroupCaption(box.Index, name), name);
            WriteName(*SlotOf(box), name);
            break;
        case NameFamily::Preset:
            captions_.SetPresetName(box.Index, name);
            // Kept in step at once, so that whatever draws the preset buttons from the
            // slots shows the same name as the box; a save gathers it again anyway.
            WriteName(*SlotOf(box), name);
            break;
    }
}

void Labeling::MoveToNextBox(NameBox box) {
    if (!IsNameBox(box)) return;
    NameBoxExit(box);
    // A disabled box (inputs and outputs 9 to 16 on an 8 x 8 switcher) is skipped.
    NameBox next = NextInChain(box);
    for (int step = 0; step < NameBoxCount && !boxes_.IsBoxEnabled(next); ++step) next = NextInChain(next);
    if (boxes_.IsBoxEnabled(next)) boxes_.FocusBox(next);
}

void Labeling::ShowLabels(NameFamily f) {
    for (int i = 0; i < FamilySize(f); ++i) NameBoxExit({f, i});
}

void Labeling::GatherLabels() {
    const auto gather = [this](NameFamily f, int count) {
        for (int i = 0; i < count; ++i) WriteName(*SlotOf({f, i}), boxes_.BoxText({f, i}));
    };
    gather(NameFamily::Input, LiveCount(m_.InputCount, MaxInputs));
    gather(NameFamily::Output, LiveCount(m_.OutputCount, MaxOutputs));
    gather(NameFamily::Group, GroupCount);
    gather(NameFamily::Preset, PresetCount);
}

void Labeling::ApplyLabels() {
    for (NameFamily f : {NameFamily::Input, NameFamily::Output, NameFamily::Group, NameFamily::Preset}) {
        for (int i = 0; i < FamilySize(f); ++i) boxes_.SetBoxText({f, i}, ReadName(*SlotOf({f, i})));
        ShowLabels(f);
    }
}

void Labeling::ResetLabels(NameFamily f) {
    for (int i = 0; i < FamilySize(f); ++i) boxes_.SetBoxText({f, i}, std::to_string(i + 1));
    ShowLabels(f);
}

}  // namespace vx
