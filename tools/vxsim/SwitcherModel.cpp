#include "SwitcherModel.h"

#include <algorithm>
#include <cstring>

#include "model/ModelCodes.h"
#include "model/SwitcherState.h"

namespace vxsim {

using vx::NO_INPUT;

int SwitcherModel::Size() const {
    auto model = vx::DescribeModelCode(Info.ModelCode);
    return model ? model->Size : vx::MaxOutputs;
}

void SwitcherModel::SetReclocker(int output, bool on) {
    std::uint16_t mask = Info.ReclockerMask.Get();
    const auto bit = static_cast<std::uint16_t>(1u << output);
    Info.ReclockerMask.Set(on ? static_cast<std::uint16_t>(mask | bit)
                              : static_cast<std::uint16_t>(mask & ~bit));
}

SwitcherModel FactoryModel(const SwitcherIdentity& identity) {
    SwitcherModel m;
    m.Info.ModelCode = static_cast<byte>(identity.ModelCode);
    const std::size_t n = std::min(identity.Firmware.size(), sizeof m.Info.FirmwareVersion);
    std::memcpy(m.Info.FirmwareVersion, identity.Firmware.data(), n);
    std::copy(identity.IpAddress.begin(), identity.IpAddress.end(), m.Info.IPAddress);
    for (int i = 0; i < vx::MaxOutputs; ++i) {
        m.Routes[i] = {NO_INPUT, 1};
        m.PrevInputs[i] = NO_INPUT;
    }
    vx::InitGroupTables(m.Groups);
    for (int p = 0; p < vx::PresetCount; ++p) {
        for (auto& r : m.Presets[p].Routes) r = {NO_INPUT, 1};
        vx::InitGroupTables(m.PresetGroups[p]);
    }
    return m;
}

SystemSettings SaveSettings(const SwitcherModel& model) {
    SystemSettings s;
    // A pending change is not a setting yet: save what is in force.
    for (int i = 0; i < vx::MaxOutputs; ++i) s.Routes[i] = {model.PrevInputs[i], 1};
    s.Groups = model.Groups;
    s.ReclockerMask = model.Info.ReclockerMask;
    s.FrontPanelLocked = model.Info.FrontPanelLocked;
    s.VIState = model.Info.VIState;
    return s;
}

void RestoreSettings(SwitcherModel& model, const SystemSettings& s) {
    for (int i = 0; i < vx::MaxOutputs; ++i) {
        model.Routes[i] = s.Routes[i];
        model.PrevInputs[i] = s.Routes[i].Input;
    }
    model.Groups = s.Groups;
    model.Info.ReclockerMask = s.ReclockerMask;
    model.Info.FrontPanelLocked = s.FrontPanelLocked;
    model.Info.VIState = s.VIState;
}

}  // namespace vxsim
