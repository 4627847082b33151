#pragma once
// The panel's event loop, ended by the window's closing or by SIGTERM, SIGINT or SIGHUP.
// After a signal the session ends as the panel core ends it (the links closed, the serial
// port and its lock file freed) and the status is 0, so that a logout, a kill or a closed
// terminal leaves nothing behind and the panel can be started again at once.
namespace vx::ui {

class TMatrixForm;

int RunUntilEnd(TMatrixForm& form);

}  // namespace vx::ui
