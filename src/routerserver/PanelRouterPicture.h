#pragma once
// The panel's model as the router protocol shows it: the live counts, the names the
// captions show, the routes in force (a pending change still switches its old input; under
// a preset preview, what was in force before it), the protected outputs and whether there
// is a switcher at all.
#include <bitset>

#include "changes/PanelPicture.h"
#include "model/InForce.h"
#include "model/SwitcherState.h"
#include "routerserver/RouterPicture.h"

namespace vx::router {

RouterPicture PictureOfPanel(const SwitcherState& m, const InForceState& inForce, const PanelPicture& names,
                             const std::bitset<MaxOutputs>& protectedOutputs, bool present);

}  // namespace vx::router
