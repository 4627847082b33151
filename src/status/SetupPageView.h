#pragma once
// The switcher's settings as the "Setup" and "About" pages show them. Setting a box here
// is never an operator click and must not raise the box's click handler.
#include <string>

namespace vx {

struct SetupPageView {
    virtual ~SetupPageView() = default;
    virtual void SetFrontPanelLockChecked(bool on) = 0;         // FrontPanelLockCheckBox
    virtual void SetVIStateChecked(bool on) = 0;                // VIStateCheckBox
    virtual void SetIpText(const std::string& text) = 0;        // IPAddrEdit
    virtual void SetFirmwareText(const std::string& text) = 0;  // FirmwareVersionLabel
};

}  // namespace vx
