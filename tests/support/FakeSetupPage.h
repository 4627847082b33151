#pragma once
// The "Setup" page as the core sees it: two check boxes that keep what was last set,
// by the model or by the operator's click, the IP field and firmware label as last
// drawn, and the "File" and "Serial Port" menus with every change of their state.
#include <string>
#include <vector>

#include "connection/SetupCommandView.h"
#include "status/SetupPageView.h"

namespace vx::test {

struct FakeSetupPage : SetupPageView, SetupCommandView {
    // SetupPageView: the model drawn onto the page.
    void SetFrontPanelLockChecked(bool on) override { frontPanelLock = on, ++boxesSet; }
    void SetVIStateChecked(bool on) override { viState = on, ++boxesSet; }
    void SetIpText(const std::string& t) override { ip = t; }
    void SetFirmwareText(const std::string& t) override { firmware = t; }
    // SetupCommandView
    bool FrontPanelLockChecked() const override { return frontPanelLock; }
    bool VIStateChecked() const override { return viState; }
    void SetResetMenusEnabled(bool on) override { menusEnabled = on, menuHistory.push_back(on); }

    bool frontPanelLock = false, viState = false;
    int boxesSet = 0;
    std::string ip = "unset", firmware = "N/A";
    bool menusEnabled = true;
    std::vector<bool> menuHistory;
};

}  // namespace vx::test
