#include "protect/ProtectChecks.h"

#include <algorithm>

namespace vx {

std::vector<int> ProtectedAmongChanges(const ProtectedOutputs& protection, const InForceState& before,
                                       const InForceState& after) {
    std::vector<int> touched;
    for (int o : protection.Protected(std::min(before.Outputs, after.Outputs)))
        if (before.Inputs[o] != after.Inputs[o] || before.Reclockers[o] != after.Reclockers[o])
            touched.push_back(o);
    return touched;
}

}  // namespace vx
