#include "routing/Crosspoint.h"

#include "model/HandlerGuard.h"
#include "model/LiveCount.h"

namespace vx {

namespace {

// Lights the take light for the duration of a take, and puts it out even when the
// take raises an error.
class TakeLightScope {
public:
    explicit TakeLightScope(RoutingView& view) : view_(view) { view_.SetTakeLight(true); }
    ~TakeLightScope() { view_.SetTakeLight(false); }
    TakeLightScope(const TakeLightScope&) = delete;
    TakeLightScope& operator=(const TakeLightScope&) = delete;

private:
    RoutingView& view_;
};

}  // namespace

Crosspoint::Crosspoint(SwitcherState& model, CommandSender& sender, RoutingView& view, OutputDisplay& display,
                       PresetRecallHooks& hooks)
    : m_(model), send_(sender), view_(view), display_(display), hooks_(hooks) {}

void Crosspoint::RefreshOutputLabel(int o) {
    display_.ShowOutputRoute(o);
    display_.ColourOutputLabel(o);
}

void Crosspoint::SelectOutput(int o) {
    if (!IsIndex(o, MaxOutputs)) return;
    if (o == m_.SelectedOutput) return;  // a second click on the selected output is ignored
    for (int i = 0; i < MaxOutputs; ++i) view_.SetOutputButtonColour(i, Colour::ButtonFace);
    view_.SetOutputButtonColour(o, Colour::Yellow);
    m_.SelectedOutput = o;
    ColourInputsForOutput(o);
    ApplyInputGroupRule(o);
}

bool InputAllowedByGroups(const SwitcherState& m, int o, int k) {
    if (!IsIndex(k, MaxInputs)) return false;
    const GroupTables& t = m.Groups;
    // A stray output index or a stray group byte means "in no group".
    const int g = IsIndex(o, MaxOutputs) ? t.OutputGroups[o] : NO_INPUT;
    if (IsIndex(g, GroupCount) && t.InputCounts[g] != 0) return t.InputMembers[g][k] == g;
    for (int j = 0; j < GroupCount; ++j)
        if (t.InputCounts[j] != 0 && t.InputMembers[j][k] == j) return false;
    return true;
}

void Crosspoint::ApplyInputGroupRule(int o) {
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    for (int k = 0; k < inputs; ++k) view_.SetInputButtonEnabled(k, InputAllowedByGroups(m_, o, k));
}

void Crosspoint::ColourInputsForOutput(int o) {
    SuppressEventsScope quiet(m_);
    if (!IsIndex(o, MaxOutputs)) return;  // NO_INPUT, or a stray selection: nothing to colour
    const int routed = m_.Routes[o].Input;
    const int inputs = LiveCount(m_.InputCount, MaxInputs);
    for (int k = 0; k < inputs; ++k)
        view_.SetInputButtonColour(k, routed == k ? Colour::Yellow : Colour::ButtonFace);
}

void Crosspoint::SelectInput(int k) {
    const int o = m_.SelectedOutput;
    if (!IsIndex(o, MaxOutputs)) return;  // nothing selected (or a stray selection)
    if (!IsIndex(k, MaxInputs)) return;
    RouteEntry& r = m_.Routes[o];
    const int c = r.Input;
    const int prev = m_.PrevInputs[o];
    // A route chosen during a preset preview belongs to the preview: the switcher hears of
    // it only when the preview is confirmed, and a cancel drops it with the preview.
    const bool send = m_.PreviewActive == 0;

    if (k != c) {
        // A new input for this output: pending unless it is the input to fall back to.
        r.Input = static_cast<byte>(k);
        if (prev != k) r.Committed = 0;
        for (int i = 0; i < MaxInputs; ++i) view_.SetInputButtonColour(i, Colour::ButtonFace);
        view_.SetInputButtonColour(k, Colour::Yellow);
        RefreshOutputLabel(o);
        if (send) send_.SendRouteTemp(o, k);
    } else if (c != prev) {
        // The shown input is a change: withdraw it for this output.
        view_.SetInputButtonColour(k, Colour::ButtonFace);
        if (IsIndex(prev, MaxInputs)) view_.SetInputButtonColour(prev, Colour::Yellow);
        r.Input = static_cast<byte>(prev);
        r.Committed = 1;
        RefreshOutputLabel(o);
        if (send) WithdrawOneRoute(o);
    } else {
        // The input in force clicked again: pending disconnect.
        r.Input = NO_INPUT;
        r.Committed = 0;
        view_.SetInputButtonColour(k, Colour::ButtonFace);
        RefreshOutputLabel(o);
        if (send) send_.SendRouteTemp(o, -1);
    }
}

void Crosspoint::WithdrawOneRoute(int o) {
    // "TAKE 0" withdraws every pending route on the switcher: the other outputs' pending
    // routes, still shown as pending, go to it again.
    send_.SendCancelTake();
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < outputs; ++i) {
        if (i == o || m_.Routes[i].Committed != 0) continue;
        const int input = m_.Routes[i].Input;
        send_.SendRouteTemp(i, IsIndex(input, MaxInputs) ? input : -1);
    }
}

bool Crosspoint::MakePending(int o, int input) {
    if (!IsIndex(o, MaxOutputs)) return false;
    const bool routed = IsIndex(input, MaxInputs);
    m_.Routes[o] = {static_cast<byte>(routed ? input : NO_INPUT), 0};
    display_.ShowOutputRoute(o);
    send_.SendRouteTemp(o, routed ? input : -1);
    return send_.LastLineAcknowledged();
}

void Crosspoint::TakeRoutes() {
    send_.SendTake();
    CommitPending();
}

void Crosspoint::CommitPending() {
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < outputs; ++i) {
        RouteEntry& r = m_.Routes[i];
        if (r.Committed == 0) {
            m_.PrevInputs[i] = r.Input;
            r.Committed = 1;
        }
        display_.ColourOutputLabel(i);
    }
}

void Crosspoint::CancelPending() {
    for (int k = 0; k < MaxInputs; ++k) view_.SetInputButtonColour(k, Colour::ButtonFace);
    for (int i = 0; i < MaxOutputs; ++i) view_.SetOutputButtonColour(i, Colour::ButtonFace);
    m_.SelectedOutput = NO_INPUT;
    bool cancelled = false;
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < outputs; ++i) {
        RouteEntry& r = m_.Routes[i];
        if (r.Committed == 0) {
            r.Input = m_.PrevInputs[i];
            r.Committed = 1;
            cancelled = true;
        }
        RefreshOutputLabel(i);
    }
    if (cancelled) send_.SendCancelTake();
}

void Crosspoint::ClearAllRoutes() {
    send_.SendClearAll();
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int i = 0; i < outputs; ++i) {
        m_.Routes[i] = {NO_INPUT, 1};
        m_.PrevInputs[i] = NO_INPUT;
    }
    for (int k = 0; k < MaxInputs; ++k) view_.SetInputButtonColour(k, Colour::ButtonFace);
    for (int i = 0; i < MaxOutputs; ++i) view_.SetOutputButtonColour(i, Colour::ButtonFace);
    m_.SelectedOutput = NO_INPUT;
    display_.RefreshRouting();
}

void Crosspoint::OutputButtonClick(int o) {
    HandlerGuard guard(m_);
    if (!guard) return;
    SelectOutput(o);
}

void Crosspoint::InputButtonClick(int k) {
    HandlerGuard guard(m_);
    if (!guard) return;
    SelectInput(k);
}

void Crosspoint::TakeButtonClick() {
    TakeLightScope light(view_);
    if (m_.PreviewActive != 0)
        hooks_.ConfirmPresetRecall();
    else
        TakeRoutes();
}

void Crosspoint::CancelTakeButtonClick() {
    if (m_.PreviewActive != 0)
        hooks_.CancelPresetRecall();
    else
        CancelPending();
}

void Crosspoint::ClearAllRoutingButtonClick() {
    if (m_.HandlerBusy != 0) return;
    if (m_.PreviewActive != 0) hooks_.CancelPresetRecall();
    HandlerGuard guard(m_);
    if (!guard) return;
    CancelPending();
    ClearAllRoutes();
}

}  // namespace vx
