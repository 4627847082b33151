#include "panel/PendingAside.h"

#include "model/LiveCount.h"

namespace vx {

void OwnPending::Note(const std::array<RouteEntry, MaxOutputs>& before,
                      const std::array<RouteEntry, MaxOutputs>& made, const SwitcherState& m, bool madeHere,
                      const std::vector<int>& setAside) {
    for (int o = 0; o < MaxOutputs; ++o) {
        if (std::find(setAside.begin(), setAside.end(), o) != setAside.end()) continue;
        const RouteEntry& r = m.Routes[o];
        const RouteEntry& asMade = made[static_cast<std::size_t>(o)];
        const RouteEntry& was = before[static_cast<std::size_t>(o)];
        const bool changedHere = asMade.Input != was.Input || asMade.Committed != was.Committed;
        if (r.Committed != 0)
            inputs_[o] = None;
        else if (madeHere && changedHere && r.Input == asMade.Input)
            inputs_[o] = r.Input;
    }
}

bool OwnPending::Owns(int o, const RouteEntry& atSwitcher) const {
    return IsIndex(o, MaxOutputs) && atSwitcher.Committed == 0 && inputs_[o] == atSwitcher.Input;
}

bool PendingAside::SetAside(const OwnPending& own) {
    aside_.clear();
    if (!reader_.ReadOutputStatus() || !reader_.ReadPrevOutputStatus()) return false;
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        RouteEntry& r = m_.Routes[o];
        if (r.Committed != 0 || own.Owns(o, r)) continue;
        aside_.push_back({o, r.Input});
        const byte inForce = m_.PrevInputs[o];
        send_.SendRouteTemp(o, IsIndex(inForce, MaxInputs) ? inForce : -1);
        r = {inForce, 1};
    }
    return true;
}

bool PendingAside::NoteOthers(const OwnPending& own) {
    aside_.clear();
    if (!reader_.ReadOutputStatus() || !reader_.ReadPrevOutputStatus()) return false;
    const int outputs = LiveCount(m_.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        const RouteEntry& r = m_.Routes[o];
        if (r.Committed == 0 && !own.Owns(o, r)) aside_.push_back({o, r.Input});
    }
    return true;
}

void PendingAside::PutBack() {
    for (const Aside& a : aside_) {
        send_.SendRouteTemp(a.Output, IsIndex(a.Pending, MaxInputs) ? a.Pending : -1);
        m_.Routes[a.Output] = {a.Pending, 0};
        display_.ShowOutputRoute(a.Output);
        display_.ColourOutputLabel(a.Output);
    }
}

std::vector<int> PendingAside::Outputs() const {
    std::vector<int> outputs;
    for (const Aside& a : aside_) outputs.push_back(a.Output);
    return outputs;
}

}  // namespace vx
