#pragma once
// The panel's event loop, ended by the window's closing or by SIGTERM, SIGINT or SIGHUP.
// The signals are handled from the first moment the application exists, before any box can
// open: a signal closes every open box and event loop, stops the panel core from starting
// any line, exchange, poll or connection (the wait under way ends within its own limit),
// and the session then ends as the panel core ends it (the links closed, the serial port
// and its lock file freed) with status 0, so that a logout, a kill or a closed terminal
// leaves nothing behind and the panel can be started again at once. A second signal ends
// the process at once.
#include <memory>

namespace vx::platform {
class EndSignals;
}

namespace vx::ui {

class TMatrixForm;

class EndOnSignals {
public:
    EndOnSignals();
    ~EndOnSignals();
    EndOnSignals(const EndOnSignals&) = delete;
    EndOnSignals& operator=(const EndOnSignals&) = delete;

    // The window whose panel core a signal stops; before it, a signal only ends the loops.
    void Watch(TMatrixForm& form);
    void Unwatch();
    // A signal has arrived: the panel ends without running its loop.
    bool Signalled() const;

private:
    std::unique_ptr<platform::EndSignals> signals_;
};

int RunUntilEnd(TMatrixForm& form, EndOnSignals& ends);
// With the signals handled from here on.
int RunUntilEnd(TMatrixForm& form);

}  // namespace vx::ui
