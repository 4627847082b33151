#pragma once
// Whether a change of the switcher's state would touch a protected output.
#include <vector>

#include "model/InForce.h"
#include "protect/ProtectedOutputs.h"

namespace vx {

// The protected outputs whose route or reclocker differs between before and after.
std::vector<int> ProtectedAmongChanges(const ProtectedOutputs& protection, const InForceState& before,
                                       const InForceState& after);

}  // namespace vx
