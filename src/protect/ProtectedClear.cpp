#include "protect/ProtectedClear.h"

#include "model/HandlerGuard.h"
#include "model/LiveCount.h"
#include "protect/ProtectTexts.h"

namespace vx {

void ProtectedClear::ClearAllRoutingButtonClick(bool confirmed) {
    if (m_.HandlerBusy != 0) return;
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    const std::vector<int> kept = protection_.Protected(outputs);
    if (kept.empty()) {
        crosspoint_.ClearAllRoutingButtonClick();
        return;
    }
    if (!confirmed && !prompts_.AskYesNo(ClearExceptProtectedQuestion(kept), ClearProtectedCaption)) return;
    if (m_.PreviewActive != 0) presets_.CancelPresetRecall();
    HandlerGuard guard(m_);
    if (!guard) return;
    crosspoint_.CancelPending();
    bool disconnected = false;
    for (int o = 0; o < outputs; ++o) {
        if (protection_.IsProtected(o) || m_.Routes[o].Input == NO_INPUT) continue;
        crosspoint_.MakePending(o, -1);
        disconnected = true;
    }
    if (disconnected) crosspoint_.TakeRoutes();
    display_.RefreshRouting();
}

}  // namespace vx
