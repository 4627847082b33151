#include "status/SetupPage.h"

#include <algorithm>
#include <iterator>

#include "model/Cp1252.h"

namespace vx {

std::string IpAddressText(const DeviceInfo& info) {
    std::string text;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) text += '.';
        text += std::to_string(static_cast<unsigned>(info.IPAddress[i]));
    }
    return text;
}

std::string FirmwareText(const DeviceInfo& info) {
    const auto* begin = std::begin(info.FirmwareVersion);
    const auto* end = std::find(begin, std::end(info.FirmwareVersion), 0);
    // One character per byte, as the switcher's 8-bit code page has it.
    return Cp1252ToUtf8(std::string(begin, end));
}

void RefreshSetupPage(const SwitcherState& model, SetupPageView& view) {
    RefreshSetupSettings(model, view);
    view.SetIpText(IpAddressText(model.Info));
}

void RefreshSetupSettings(const SwitcherState& model, SetupPageView& view) {
    view.SetFrontPanelLockChecked(model.Info.FrontPanelLocked != 0);
    view.SetVIStateChecked(model.Info.VIState != 0);
    view.SetFirmwareText(FirmwareText(model.Info));
}

}  // namespace vx
