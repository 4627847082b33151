#pragma once
// Outputs a router client has locked, on the "Video Switching" page: a lock on the output's
// button, "locked by router client ADDRESS" in its accessible description and tooltip, and
// the button's context menu item "Unlock (held by ADDRESS)", which lets the lock go and tells
// the clients.
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "model/Records.h"

class QAction;
class QWidget;

namespace vx::ui {

inline constexpr const char* ClientLockProperty = "vxClientLock";

class ClientLockMarks : public QObject {
    Q_OBJECT
public:
    // window: where the output buttons are found by name; unlock: the operator's Unlock.
    ClientLockMarks(QWidget& window, std::function<void(int output)> unlock);
    void Show(const std::map<int, std::string>& holders);

    // UnlockOutputAction1 .. 16, shown while a client holds the output.
    std::array<QAction*, MaxOutputs> UnlockActions{};

private:
    QWidget& window_;
};

}  // namespace vx::ui
