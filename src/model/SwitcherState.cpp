#include "model/SwitcherState.h"

#include <cstring>
#include <string>

#include "model/ModelCodes.h"
#include "model/NameSlots.h"

namespace vx {

void InitGroupTables(GroupTables& t) {
    std::memset(&t, 0, sizeof t);
    std::memset(t.InputMembers, NO_INPUT, sizeof t.InputMembers);
    std::memset(t.OutputGroups, NO_INPUT, sizeof t.OutputGroups);
}

void InitPresetGroupTables(GroupTables& t, int outputCount, int inputCount) {
    std::memset(t.MemberCounts, 0, sizeof t.MemberCounts);
    std::memset(t.OutputCounts, 0, sizeof t.OutputCounts);
    std::memset(t.InputCounts, 0, sizeof t.InputCounts);
    for (int g = 0; g < GroupCount; ++g)
        for (int k = 0; k < inputCount && k < MaxInputs; ++k) t.InputMembers[g][k] = NO_INPUT;
    for (int i = 0; i < outputCount && i < MaxOutputs; ++i) t.OutputGroups[i] = NO_INPUT;
    t.Reserved168[0] = 0;
    t.Reserved168[1] = 0;
}

void InitDefaultLabels(LabelStore& labels) {
    for (int i = 0; i < MaxInputs; ++i) WriteNameSlot(labels.InputLabels[i], std::to_string(i + 1));
    for (int i = 0; i < MaxOutputs; ++i) WriteNameSlot(labels.OutputLabels[i], std::to_string(i + 1));
    for (int g = 0; g < GroupCount; ++g) WriteNameSlot(labels.GroupLabels[g], std::to_string(g + 1));
    for (int p = 0; p < PresetCount; ++p) WriteNameSlot(labels.PresetLabels[p], std::to_string(p + 1));
}

void SwitcherState::ResetToDefaults() {
    std::memset(static_cast<void*>(this), 0, sizeof *this);
    HandlerBusy = 1;
    SerialPortOpen = 0;
    EthernetConnected = 0;
    PreviewActive = 0;
    OutputCount = 16;
    InputCount = 16;
    for (int i = 0; i < MaxOutputs; ++i) {
        Routes[i] = {NO_INPUT, 1};
        PrevInputs[i] = NO_INPUT;
        Reclockers[i] = 0;
        SavedReclockers[i] = 0;
    }
    InitDefaultLabels(Config.Labels);
    SelectedOutput = NO_INPUT;
    SelectedPreset = NO_INPUT;
    InitGroupTables(Groups);
    for (int p = 0; p < PresetCount; ++p) {
        Presets[p].Stored = 0;
        Presets[p].LastSaved = 0;
        for (int i = 0; i < OutputCount; ++i) Presets[p].Routes[i] = {NO_INPUT, 1};
        InitPresetGroupTables(PresetGroups[p], OutputCount, InputCount);
    }
    HandlerBusy = 0;
}

void SwitcherState::SetSizeFromModelCode() {
    if (auto model = DescribeModelCode(Info.ModelCode)) {
        OutputCount = static_cast<std::int16_t>(model->Size);
        InputCount = static_cast<std::int16_t>(model->Size);
    }
}

void SwitcherState::ReclockersFromMask(std::uint16_t mask) {
    for (int i = 0; i < OutputCount && i < MaxOutputs; ++i) Reclockers[i] = (mask >> i) & 1u;
}

std::uint16_t SwitcherState::MaskFromReclockers() const {
    std::uint16_t mask = 0;
    for (int i = 0; i < OutputCount && i < MaxOutputs; ++i)
        if (Reclockers[i] != 0) mask = static_cast<std::uint16_t>(mask | (1u << i));
    return mask;
}

}  // namespace vx
