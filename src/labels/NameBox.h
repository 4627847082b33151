#pragma once
// The forty-eight name boxes of the "Labeling" page: a family and a 0-based index in it,
// and the order in which Enter walks through them.
#include "model/Records.h"

namespace vx {

enum class NameFamily { Input, Output, Group, Preset };

struct NameBox {
    NameFamily Family;
    int Index;  // 0-based: box "Input 3" is {Input, 2}
    bool operator==(const NameBox&) const = default;
};

inline constexpr int NameBoxCount = MaxInputs + MaxOutputs + GroupCount + PresetCount;

// Boxes in a family: 16 inputs, 16 outputs, 8 groups, 8 presets.
int FamilySize(NameFamily f);

// The box Enter moves to: Input 1..16, Output 1..16, Group 1..8, Preset 1..8, then
// Input 1 again.
NameBox NextInChain(NameBox box);

// True when the box exists (a stray index names no box).
bool IsNameBox(NameBox box);

}  // namespace vx
