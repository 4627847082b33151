#pragma once
// The switcher's settings from the matrix information block onto the "Setup" and "About"
// pages: front panel lockout, vertical-interval source, IP address, firmware version.
#include <string>

#include "model/SwitcherState.h"
#include "status/SetupPageView.h"

namespace vx {

// The four bytes of the address as unsigned decimals joined by dots, first byte first.
std::string IpAddressText(const DeviceInfo& info);
// The characters before the first zero byte, at most the field's six.
std::string FirmwareText(const DeviceInfo& info);

void RefreshSetupPage(const SwitcherState& model, SetupPageView& view);
// The same without the IP field, which changes only with a full read, a System Recall or
// the operator's typing (a follow poll redraws the rest).
void RefreshSetupSettings(const SwitcherState& model, SetupPageView& view);

}  // namespace vx
