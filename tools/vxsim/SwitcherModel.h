#pragma once
// What the simulated switcher itself remembers. Every block is kept in the byte
// image the status queries send, so an answer is a plain copy of the state.
#include <array>
#include <string>

#include "model/Records.h"

namespace vxsim {

using vx::byte;

// The fixed facts of a switcher: they survive a factory reset.
struct SwitcherIdentity {
    int ModelCode = 11;
    std::string Firmware = "1.07";  // at most 6 characters
    std::array<byte, 4> IpAddress{127, 0, 0, 1};
};

struct SwitcherModel {
    vx::DeviceInfo Info{};
    // For an output in force, PrevInputs holds the same input as Routes: it is the
    // input that "TAKE 0" puts back, exactly as the panel keeps it.
    vx::RouteEntry Routes[vx::MaxOutputs]{};
    byte PrevInputs[vx::MaxOutputs]{};
    vx::GroupTables Groups{};
    vx::PresetRecord Presets[vx::PresetCount]{};
    vx::GroupTables PresetGroups[vx::PresetCount]{};

    // Outputs and inputs alike: 8 for model 10, 16 for the others.
    int Size() const;
    bool Reclocker(int output) const { return (Info.ReclockerMask.Get() >> output) & 1u; }
    void SetReclocker(int output, bool on);
};

SwitcherModel FactoryModel(const SwitcherIdentity& identity);

// The settings "UPSYS" saves and "RSYS" / "RESETVX R" restore: routes in force,
// reclockers, groups, front panel lockout and VI state. Presets, the model and the
// IP address are not part of it.
struct SystemSettings {
    vx::RouteEntry Routes[vx::MaxOutputs]{};
    vx::GroupTables Groups{};
    vx::Le16 ReclockerMask{};
    byte FrontPanelLocked = 0;
    byte VIState = 0;
};

SystemSettings SaveSettings(const SwitcherModel& model);
void RestoreSettings(SwitcherModel& model, const SystemSettings& settings);

}  // namespace vxsim
