#include "GroupEditing.h"

namespace vxsim {

using vx::NO_INPUT;

namespace {

void Count(vx::GroupTables& t, int g, int outputs, int inputs) {
    t.OutputCounts[g] = static_cast<std::int8_t>(t.OutputCounts[g] + outputs);
    t.InputCounts[g] = static_cast<std::int8_t>(t.InputCounts[g] + inputs);
    t.MemberCounts[g] = static_cast<std::int8_t>(t.OutputCounts[g] + t.InputCounts[g]);
}

int GroupOfInput(const vx::GroupTables& t, int input) {
    for (int g = 0; g < vx::GroupCount; ++g)
        if (t.InputMembers[g][input] == g) return g;
    return -1;
}

}  // namespace

void AddOutput(vx::GroupTables& t, int g, int output) {
    const int old = t.OutputGroups[output];
    if (old == g) return;
    if (vx::IsIndex(old, vx::GroupCount)) RemoveOutput(t, old, output);
    t.OutputGroups[output] = static_cast<vx::byte>(g);
    Count(t, g, +1, 0);
}

void AddInput(vx::GroupTables& t, int g, int input) {
    const int old = GroupOfInput(t, input);
    if (old == g) return;
    if (old >= 0) RemoveInput(t, old, input);
    t.InputMembers[g][input] = static_cast<vx::byte>(g);
    Count(t, g, 0, +1);
}

bool RemoveOutput(vx::GroupTables& t, int g, int output) {
    if (t.OutputGroups[output] != g) return false;
    t.OutputGroups[output] = NO_INPUT;
    Count(t, g, -1, 0);
    // A group lives by its outputs: without one its inputs would restrict nothing.
    if (t.OutputCounts[g] <= 0) ClearGroup(t, g);
    return true;
}

bool RemoveInput(vx::GroupTables& t, int g, int input) {
    if (t.InputMembers[g][input] != g) return false;
    t.InputMembers[g][input] = NO_INPUT;
    Count(t, g, 0, -1);
    return true;
}

void ClearGroup(vx::GroupTables& t, int g) {
    for (auto& cell : t.InputMembers[g]) cell = NO_INPUT;
    for (auto& og : t.OutputGroups)
        if (og == g) og = NO_INPUT;
    t.MemberCounts[g] = t.OutputCounts[g] = t.InputCounts[g] = 0;
}

}  // namespace vxsim
