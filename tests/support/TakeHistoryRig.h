#pragma once
// The whole panel core on a switcher on COM2 that keeps its state (the simulator's own
// interpreter): 16 x 16 at address 10.0.0.7, every output in force on input 2, every
// reclocker off, read by the panel. Helpers route and store presets as the operator
// would, change the switcher behind the panel's back, and give the lines sent since the
// last look.
#include <string>
#include <vector>

#include "PanelRig.h"

namespace vx::test {

struct TakeHistoryRig {
    PanelRig rig;
    StatefulSwitcher switcher;
    SwitcherState& m = rig.core.Model();

    TakeHistoryRig() {
        rig.fakes.serial.availablePorts = {2};
        rig.fakes.serial.onWrite = [this](const std::string& line) {
            rig.fakes.serial.Answer(switcher.Answer(line), 5);
        };
        switcher.Answer("IPCONFIG 10 0 0 7");
        for (int o = 1; o <= MaxOutputs; ++o) AtSwitcher("RTEMP " + std::to_string(o) + " 2");
        AtSwitcher("TAKE 1");
        rig.prompts.answers = {true};
        rig.core.FormShow();
        rig.core.StartupConnection();
        rig.fakes.serial.writes.clear();
    }

    // A line the switcher carries out for someone else: its front panel, another client.
    void AtSwitcher(const std::string& line) { switcher.Answer(line); }

    // Output o from input k, both 1-based as on the buttons, left pending.
    void Pend(int o, int k) {
        rig.core.OutputButtonClick(o - 1);
        rig.core.InputButtonClick(k - 1);
    }
    // Preset n (1-based) stored at the switcher by someone else: every output on input 2
    // but the given ones, with the reclockers of mask. What the switcher holds is left as
    // it was, pending routes included.
    void StorePresetAtSwitcher(int n, const std::vector<std::pair<int, int>>& routes, unsigned mask = 0) {
        const auto before = switcher.State();
        const auto wire = [](int k) { return std::to_string(k == NO_INPUT ? 0 : k + 1); };
        const auto all = [&](auto routeOf) {
            for (int o = 0; o < before.Size(); ++o) AtSwitcher("RTEMP " + std::to_string(o + 1) + " " + routeOf(o));
        };
        all([&](int o) {
            for (auto [po, k] : routes)
                if (po == o + 1) return std::to_string(k);
            return std::string("2");
        });
        AtSwitcher("TAKE 1");
        for (int o = 0; o < before.Size(); ++o)
            AtSwitcher("RCLOCK " + std::to_string(o + 1) + ((mask >> o) & 1u ? " 1" : " 0"));
        AtSwitcher("PRST " + std::to_string(n));
        all([&](int o) { return wire(before.PrevInputs[o]); });
        AtSwitcher("TAKE 1");
        all([&](int o) { return wire(before.Routes[o].Input); });
        for (int o = 0; o < before.Size(); ++o)
            AtSwitcher("RCLOCK " + std::to_string(o + 1) + (before.Reclocker(o) ? " 1" : " 0"));
    }
    // Preset n (1-based) stored at the switcher as above, and the panel's copy of it the same.
    void StorePresetCopy(int n, std::vector<std::pair<int, int>> routes, unsigned mask = 0) {
        StorePresetAtSwitcher(n, routes, mask);
        PresetRecord& p = m.Presets[n - 1];
        p.Stored = 1;
        p.ReclockerMask.Set(static_cast<std::uint16_t>(mask));
        for (auto& r : p.Routes) r = {1, 1};
        for (auto [o, k] : routes) p.Routes[o - 1] = {static_cast<byte>(k == 0 ? NO_INPUT : k - 1), 1};
    }
    void Preview(int n) {
        rig.core.PresetsRecallButtonClick();
        rig.core.PresetButtonClick(n - 1);
    }
    // The lines written since the last call, without their returns and the bare probes.
    std::vector<std::string> Sent() {
        std::vector<std::string> out;
        for (std::string line : rig.SerialCommands()) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            out.push_back(line);
        }
        rig.fakes.serial.writes.clear();
        return out;
    }
    const std::string& Status() const { return rig.window.status; }
};

}  // namespace vx::test
