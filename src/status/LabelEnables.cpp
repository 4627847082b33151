#include "status/LabelEnables.h"

namespace vx {

void RefreshLabelEnables(const SwitcherState& model, LabelEnableView& view) {
    for (int i = 0; i < MaxInputs; ++i) view.SetInputLabelEnabled(i, i < model.InputCount);
    for (int i = 0; i < MaxOutputs; ++i) view.SetOutputLabelEnabled(i, i < model.OutputCount);
}

}  // namespace vx
