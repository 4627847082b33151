#include "presets/PresetModel.h"

#include "model/LiveCount.h"

namespace vx {

void InitPresetRecords(SwitcherState& m) {
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int p = 0; p < PresetCount; ++p) {
        PresetRecord& r = m.Presets[p];
        r.Stored = 0;
        r.LastSaved = 0;
        for (int o = 0; o < outputs; ++o) r.Routes[o] = {NO_INPUT, 1};
        InitPresetGroupTables(m.PresetGroups[p], outputs, LiveCount(m.InputCount, MaxInputs));
    }
}

bool IsPresetStored(const SwitcherState& m, int n) {
    return n >= 1 && n <= PresetCount && m.Presets[n - 1].Stored != 0;
}

void CopyLiveIntoPreset(SwitcherState& m, int p) {
    if (!IsIndex(p, PresetCount)) return;
    for (PresetRecord& r : m.Presets) r.LastSaved = 0;
    PresetRecord& r = m.Presets[p];
    for (int o = 0; o < MaxOutputs; ++o) r.Routes[o] = m.Routes[o];
    m.PresetGroups[p] = m.Groups;
    r.ReclockerMask.Set(m.MaskFromReclockers());
    r.Stored = 1;
    r.LastSaved = 1;
}

void ApplyPresetToLive(SwitcherState& m, int p) {
    if (!IsIndex(p, PresetCount)) return;
    const PresetRecord& r = m.Presets[p];
    for (int o = 0; o < MaxOutputs; ++o) m.Routes[o] = r.Routes[o];
    m.Groups = m.PresetGroups[p];
    m.ReclockersFromMask(r.ReclockerMask.Get());
}

void SaveLiveState(SwitcherState& m, SavedLiveState& saved) {
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        saved.PrevInputs[static_cast<std::size_t>(o)] = m.PrevInputs[o];
        m.PrevInputs[o] = m.Routes[o].Input;
        m.SavedReclockers[o] = m.Reclockers[o];
        m.SavedCommitted[o] = m.Routes[o].Committed;
    }
    m.SavedGroups = m.Groups;
    saved.Valid = true;
}

void RestoreLiveState(SwitcherState& m, const SavedLiveState& saved) {
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        m.Routes[o] = {m.PrevInputs[o], m.SavedCommitted[o]};
        m.Reclockers[o] = m.SavedReclockers[o];
        if (saved.Valid) m.PrevInputs[o] = saved.PrevInputs[static_cast<std::size_t>(o)];
    }
    m.Groups = m.SavedGroups;
}

std::vector<int> RoutesChangedFromPreset(const SwitcherState& m, int p) {
    std::vector<int> changed;
    if (!IsIndex(p, PresetCount)) return changed;
    const int outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o)
        if (m.Routes[o].Input != m.Presets[p].Routes[o].Input) changed.push_back(o);
    return changed;
}

}  // namespace vx
