#include "routing/OutputDisplay.h"

#include <string>

#include "model/HandlerGuard.h"
#include "model/ModelCodes.h"
#include "model/LiveCount.h"

namespace vx {

OutputDisplay::OutputDisplay(SwitcherState& model, CommandSender& sender, RoutingView& view)
    : m_(model), send_(sender), view_(view) {}

void OutputDisplay::ShowOutputRoute(int i) {
    if (!IsIndex(i, MaxOutputs)) return;
    const int input = m_.Routes[i].Input;
    // A stray input byte (not NO_INPUT, beyond 15) reads as "nothing routed".
    view_.SetVideoLabelText(i, IsIndex(input, MaxInputs) ? std::to_string(input + 1) : std::string("--"));
}

void OutputDisplay::ColourOutputLabel(int i) {
    if (!IsIndex(i, MaxOutputs)) return;
    const RouteEntry& r = m_.Routes[i];
    const bool routed = IsIndex(r.Input, MaxInputs);
    Colour c;
    if (r.Committed == 0)
        c = Colour::Red;  // pending route or pending disconnect
    else
        c = routed ? Colour::Lime : Colour::ButtonFace;
    view_.SetVideoLabelColour(i, c);
}

void OutputDisplay::ShowReclocker(int i) {
    if (!IsIndex(i, MaxOutputs)) return;
    view_.SetReclockerChecked(i, m_.Reclockers[i] != 0);
}

void OutputDisplay::EnableOutputWidgets(int i, bool on) {
    if (!IsIndex(i, MaxOutputs)) return;
    view_.SetOutputWidgetsEnabled(i, on);
}

void OutputDisplay::EnableInputButton(int k, bool on) {
    if (!IsIndex(k, MaxInputs)) return;
    view_.SetInputButtonEnabled(k, on);
}

void OutputDisplay::RefreshRouting() {
    if (auto model = DescribeModelCode(m_.Info.ModelCode)) view_.SetWindowTitle(model->Title);
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < outputs; ++i) {
        ShowOutputRoute(i);
        ColourOutputLabel(i);
        ShowReclocker(i);
        EnableOutputWidgets(i, true);
    }
    for (int i = outputs; i < MaxOutputs; ++i) EnableOutputWidgets(i, false);
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    for (int k = 0; k < inputs; ++k) EnableInputButton(k, true);
    for (int k = inputs; k < MaxInputs; ++k) EnableInputButton(k, false);
    if (redrawn_) redrawn_();
}

void OutputDisplay::ToggleReclocker(int i) {
    if (!IsIndex(i, MaxOutputs)) return;
    ToggleReclocker(i, view_.IsReclockerChecked(i));
}

void OutputDisplay::ToggleReclocker(int i, bool on) {
    if (!IsIndex(i, MaxOutputs)) return;
    m_.Reclockers[i] = on ? 1 : 0;
    send_.SendReclock(i, on ? 1 : 0);
}

void OutputDisplay::ReclockerCheckBoxClick(int i) {
    if (!IsIndex(i, MaxOutputs)) return;
    ReclockerCheckBoxClick(i, view_.IsReclockerChecked(i));
}

void OutputDisplay::ReclockerCheckBoxClick(int i, bool on) {
    if (m_.EventsSuppressed != 0) return;
    HandlerGuard guard(m_);
    if (!guard) return;
    ToggleReclocker(i, on);
}

}  // namespace vx
