#pragma once
// The presets' work on the model alone: the eight preset records and their group tables,
// the live state a preset replaces, and the copy of it kept for a preview's cancel.
// Presets are 0..7 here; the operator and the commands see them as 1..8.
#include <array>
#include <vector>

#include "model/SwitcherState.h"

namespace vx {

// Every preset empty, with the live part of its routes and group tables emptied.
void InitPresetRecords(SwitcherState& m);
// Whether preset n (1..8) holds a setting; any other n holds none.
bool IsPresetStored(const SwitcherState& m, int n);
// Routes (pending ones as they are), groups and reclockers of the live state into preset p,
// which becomes the only one marked as saved last.
void CopyLiveIntoPreset(SwitcherState& m, int p);
// Routes, groups and reclockers of preset p into the live state.
void ApplyPresetToLive(SwitcherState& m, int p);

// The live state as it was before a preview, for the preview's cancel. PrevInputs takes
// the routed inputs (the routes to go back to); the fallback inputs it held before are
// kept here, so that a route pending before the preview is pending again, with the same
// fallback, after the cancel.
struct SavedLiveState {
    std::array<byte, MaxOutputs> PrevInputs{};
    bool Valid = false;
};
void SaveLiveState(SwitcherState& m, SavedLiveState& saved);
// Puts back every live output as it was before the preview (its input from PrevInputs, its
// Committed byte from SavedCommitted, its fallback input), the reclockers and the groups.
void RestoreLiveState(SwitcherState& m, const SavedLiveState& saved);
// The live outputs whose input differs from the one preset p holds for them.
std::vector<int> RoutesChangedFromPreset(const SwitcherState& m, int p);

}  // namespace vx
