#pragma once
// The one in-memory model of the connected switcher and of the operator's work on it.
// A plain value: owned once by the main window and handed out by reference, never copied.
#include <cstdint>

#include "model/Records.h"

namespace vx {

struct SwitcherState {
    byte SerialPortOpen;
    byte EthernetConnected;
    std::int16_t OutputCount;
    std::int16_t InputCount;
    DeviceInfo Info;
    RouteEntry Routes[MaxOutputs];
    byte PrevInputs[MaxOutputs];
    GroupTables Groups;
    byte Reclockers[MaxOutputs];
    byte SavedReclockers[MaxOutputs];
    byte SavedCommitted[MaxOutputs];
    GroupTables SavedGroups;
    PresetRecord Presets[PresetCount];
    GroupTables PresetGroups[PresetCount];
    std::int32_t SelectedOutput;
    std::int32_t SelectedPreset;
    ConfigImage Config;
    std::int32_t PreviewActive;
    std::int32_t HandlerBusy;
    byte EventsSuppressed;

    SwitcherState() { ResetToDefaults(); }
    SwitcherState(const SwitcherState&) = delete;
    SwitcherState& operator=(const SwitcherState&) = delete;

    // Every member to its start value, in the order the main window's construction uses.
    void ResetToDefaults();
    // OutputCount and InputCount from Info.ModelCode; an unknown code changes nothing.
    void SetSizeFromModelCode();
    // Reclockers[i] = bit i of mask for every live output; entries beyond are left.
    void ReclockersFromMask(std::uint16_t mask);
    // Bit i set exactly when Reclockers[i] is on, for live outputs only.
    std::uint16_t MaskFromReclockers() const;

    LabelStore& Labels() { return Config.Labels; }
    const LabelStore& Labels() const { return Config.Labels; }
};

// Group tables with no group and no member (the start value of Groups).
void InitGroupTables(GroupTables& t);
// A preset's group tables as the panel starts them: only the live part is emptied.
void InitPresetGroupTables(GroupTables& t, int outputCount, int inputCount);
// Fills the label slots with the numbers the name boxes start with.
void InitDefaultLabels(LabelStore& labels);

}  // namespace vx
