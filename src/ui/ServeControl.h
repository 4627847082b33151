#pragma once
// The panel's router-protocol server: its Setup page box, its settings in the panel's
// settings file, --serve, and the clients connected on the status bar. The server is made
// when first asked for; until then the panel listens on no port. It is the window's
// neighbour, not its child: it goes before the window and the panel core beneath it.
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "settings/ServeSettings.h"

class QLabel;
class QMainWindow;

namespace vx {
class PanelCore;
namespace platform {
class RouterServer;
}
}  // namespace vx

namespace vx::ui {

class ServeBox;

class ServeControl : public QObject {
    Q_OBJECT
public:
    ServeControl(QMainWindow& window, PanelCore& core, std::string settingsPath);
    ~ServeControl() override;

    // The settings as the file keeps them, then --serve's address and port when given.
    void Load(const std::optional<ServeOption>& commandLine = std::nullopt);
    // Serves as the settings say, and keeps them; the problem in words when it cannot.
    QString Apply(const ServeSettings& settings);
    platform::RouterServer* Server() { return server_.get(); }
    ServeBox* Box() { return box_; }

private:
    void ShowClients(int count);

    QMainWindow& window_;
    PanelCore& core_;
    std::string path_;
    ServeBox* box_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    std::unique_ptr<platform::RouterServer> server_;
    std::unique_ptr<class ClientLockMarks> lockMarks_;
};

}  // namespace vx::ui
