#pragma once
// The switcher-wide commands' view of the window: the "Setup" page's two check boxes and
// the "File" and "Serial Port" menus.
#include "connection/SetupCommandView.h"

namespace vx::ui {

class MainMenu;
class SetupPage;

class SetupCommandsView : public SetupCommandView {
public:
    SetupCommandsView(SetupPage& page, MainMenu& menu) : page_(page), menu_(menu) {}
    bool FrontPanelLockChecked() const override;
    bool VIStateChecked() const override;
    void SetResetMenusEnabled(bool on) override;

private:
    SetupPage& page_;
    MainMenu& menu_;
};

}  // namespace vx::ui
