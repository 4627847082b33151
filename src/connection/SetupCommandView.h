#pragma once
// What the switcher-wide commands of the "Setup" page need of the window: the two check
// boxes as the operator left them, and the "File" and "Serial Port" menus, which are
// closed to the operator while a reset is under way.
namespace vx {

struct SetupCommandView {
    virtual ~SetupCommandView() = default;
    virtual bool FrontPanelLockChecked() const = 0;  // FrontPanelLockCheckBox
    virtual bool VIStateChecked() const = 0;         // VIStateCheckBox
    // "File" (File1) and "Serial Port" (Search1) together.
    virtual void SetResetMenusEnabled(bool on) = 0;
};

}  // namespace vx
