#include "model/InForce.h"

#include "model/LiveCount.h"

namespace vx {

namespace {

int InputOrNone(int input) {
    return IsIndex(input, MaxInputs) ? input : NO_INPUT;
}

}  // namespace

InForceState InForceNow(const SwitcherState& m) {
    InForceState s;
    s.Outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < s.Outputs; ++o) {
        const RouteEntry& r = m.Routes[o];
        s.Inputs[o] = InputOrNone(r.Committed != 0 ? r.Input : m.PrevInputs[o]);
        s.Reclockers[o] = m.Reclockers[o] != 0;
    }
    return s;
}

InForceState InForceOfPreset(const SwitcherState& m, int p) {
    InForceState s;
    s.Outputs = LiveCount(m.OutputCount, MaxOutputs);
    if (!IsIndex(p, PresetCount)) return InForceNow(m);
    const PresetRecord& preset = m.Presets[p];
    const unsigned mask = preset.ReclockerMask.Get();
    for (int o = 0; o < s.Outputs; ++o) {
        s.Inputs[o] = InputOrNone(preset.Routes[o].Input);
        s.Reclockers[o] = ((mask >> o) & 1U) != 0;
    }
    return s;
}

InForceState InForceAsShown(const SwitcherState& m) {
    InForceState s;
    s.Outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < s.Outputs; ++o) {
        s.Inputs[o] = InputOrNone(m.Routes[o].Input);
        s.Reclockers[o] = m.Reclockers[o] != 0;
    }
    return s;
}

}  // namespace vx
