#pragma once
// Group membership changes that keep the counts of GroupTables in step with the
// member tables: every output and every input belongs to at most one group, and
// MemberCounts is always OutputCounts + InputCounts.
#include "model/Records.h"

namespace vxsim {

// Moves the output into group g (out of any other group first).
void AddOutput(vx::GroupTables& t, int g, int output);
// Moves the input into group g (out of any other group first).
void AddInput(vx::GroupTables& t, int g, int input);
// False when the output is not in group g. A group left without outputs is cleared.
bool RemoveOutput(vx::GroupTables& t, int g, int output);
// False when the input is not in group g.
bool RemoveInput(vx::GroupTables& t, int g, int input);
void ClearGroup(vx::GroupTables& t, int g);

}  // namespace vxsim
