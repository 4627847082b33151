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
    // Preset n (1-based) in the panel's copy: every output on input 2 but the given ones,
    // with the reclockers of mask.
    void StorePresetCopy(int n, std::vector<std::pair<int, int>> routes, unsigned mask = 0) {
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
