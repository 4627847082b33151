#pragma once
// The main window's menu bar: "File", "Serial Port", "View" and "About", every item with its
// component name and start state. The window connects the handlers.
#include <QObject>
#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace vx::ui {

inline constexpr int ComPortCount = 4;

class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QMenuBar* bar);

    QMenu* File1 = nullptr;
    QAction* OpenConfigurationFile1 = nullptr;
    QAction* SaveConfigurationtoFile1 = nullptr;
    QAction* Exit1 = nullptr;

    QMenu* Search1 = nullptr;
    QMenu* OpenCOM1 = nullptr;
    std::array<QAction*, ComPortCount> ComItems{};  // COM11 .. COM41
    QMenu* SettingsAdvusersonly1 = nullptr;
    QAction* BaudDefault1 = nullptr;
    QAction* N192001 = nullptr;
    QAction* N384001 = nullptr;
    QAction* N576001 = nullptr;
    QAction* SearchForVextaro1 = nullptr;
    QAction* ReadfromVextaros1 = nullptr;
    QAction* DisconnectSerialCommunication1 = nullptr;

    QMenu* View1 = nullptr;
    QAction* CrosspointMatrix1 = nullptr;  // opens or raises the crosspoint matrix window
    QAction* ActivityLog1 = nullptr;  // Ctrl+L

    QAction* About1 = nullptr;

private:
    void BuildFile(QMenuBar* bar);
    void BuildSerialPort(QMenuBar* bar);
    void BuildSettings();
    void BuildView(QMenuBar* bar);
};

}  // namespace vx::ui
