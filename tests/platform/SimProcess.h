#pragma once
// A running vxsim for one test: started with the given options, its TCP port and serial
// path read from what it prints, stopped when the test ends.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace vx::test {

class SimProcess {
public:
    explicit SimProcess(const QStringList& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Started() const { return started_; }
    int TcpPort() const { return tcpPort_; }
    QString Output() const { return output_; }
    // Sends a signal (SIGUSR1 hangs the serial end up or plugs it back in) and waits,
    // bounded, until the simulator prints a line holding confirmation.
    bool Signal(int sig, const QString& confirmation);
    // Stops the simulator where it stands (a switcher that has gone silent, its links
    // still open), or lets it go on; whatever it was sent meanwhile waits for it.
    bool Pause(bool on);
    // One control line to a simulator started with --control ("silent on", "drop-tcp",
    // "drop-after 4", ...); true when it answered "control: ok".
    bool Control(const QString& line);

private:
    QProcess process_;
    QString output_;
    int tcpPort_ = 0;
    bool started_ = false;
    bool paused_ = false;
};

}  // namespace vx::test
