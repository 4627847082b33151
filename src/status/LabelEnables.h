#pragma once
// The input and output name boxes of the "Labeling" page follow the switcher's size:
// those of live inputs and outputs enabled, the rest up to 16 disabled. The group and
// preset name boxes are not touched.
#include "model/SwitcherState.h"
#include "status/LabelEnableView.h"

namespace vx {

void RefreshLabelEnables(const SwitcherState& model, LabelEnableView& view);

}  // namespace vx
