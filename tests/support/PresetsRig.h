#pragma once
// The panel core connected over RS-232 to a switcher that answers every line, with a
// live state worth saving: every output routed and taken, some reclockers on, one group.
// Presets 2 and 5 are stored from two different live states.
#include <cstring>
#include <string>
#include <vector>

#include "PanelRig.h"

namespace vx::test {

// The parts of the live state a preset replaces, for before/after comparisons.
struct LiveState {
    RouteEntry Routes[MaxOutputs];
    byte PrevInputs[MaxOutputs];
    byte Reclockers[MaxOutputs];
    GroupTables Groups;

    static LiveState Of(const SwitcherState& m) {
        LiveState s;
        std::memcpy(s.Routes, m.Routes, sizeof s.Routes);
        std::memcpy(s.PrevInputs, m.PrevInputs, sizeof s.PrevInputs);
        std::memcpy(s.Reclockers, m.Reclockers, sizeof s.Reclockers);
        s.Groups = m.Groups;
        return s;
    }
    bool operator==(const LiveState& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

struct PresetsRig : PanelRig {
    PresetsRig() {
        SerialLinkInUse();
        fakes.serial.onWrite = [this](const std::string& line) {
            fakes.serial.Answer(FakeSwitcherAnswer(line), 5);
        };
        SetLive(2, 0b0000'0000'0000'0101);
        Store(1);  // preset 2
        SetLive(7, 0b1000'0000'0000'0010);
        Store(4);  // preset 5
        SetLive(0, 0);
        fakes.serial.writes.clear();
    }

    // Output o routed from input (o + shift) % 16 and taken; reclockers by mask; group 1
    // holds output 1 and input 1 + shift.
    void SetLive(int shift, unsigned reclockers) {
        SwitcherState& m = core.Model();
        for (int o = 0; o < MaxOutputs; ++o) {
            const auto in = static_cast<byte>((o + shift) % MaxInputs);
            m.Routes[o] = {in, 1};
            m.PrevInputs[o] = in;
            m.Reclockers[o] = (reclockers >> o) & 1u;
        }
        InitGroupTables(m.Groups);
        const int input = shift % MaxInputs;
        m.Groups.OutputGroups[0] = 0;
        m.Groups.InputMembers[0][input] = 0;
        m.Groups.MemberCounts[0] = 2;
        m.Groups.OutputCounts[0] = 1;
        m.Groups.InputCounts[0] = 1;
    }
    // Stores the live state as preset p (0-based) through the box.
    void Store(int p) {
        core.PresetsSaveButtonClick();
        core.PresetButtonClick(p);
    }
    // The lines sent, without their carriage returns.
    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (std::string l : SerialCommands()) {
            if (!l.empty() && l.back() == '\r') l.pop_back();
            out.push_back(l);
        }
        return out;
    }
    // The sixteen "RCLOCK" lines a direct recall sends for a reclocker mask.
    static std::vector<std::string> ReclockLines(unsigned mask) {
        std::vector<std::string> out;
        for (int o = 0; o < MaxOutputs; ++o)
            out.push_back("RCLOCK " + std::to_string(o + 1) + " " + std::to_string((mask >> o) & 1u));
        return out;
    }
};

}  // namespace vx::test
