#pragma once
// The serial-port service over QSerialPort: COM1..COM4 mapped to device paths, 57600 baud
// 8N1 with RTS/CTS, blocking prompt reads that process no events, the data-available
// notification from readyRead, and the line lights polled while monitoring is on.
#include <QByteArray>
#include <QSerialPort>
#include <QTimer>
#include <functional>
#include <map>

#include "link/Ports.h"
#include "platform/SerialLineLights.h"
#include "platform/SerialPortPaths.h"
#include "platform/SerialReadFailures.h"

namespace vx::platform {

class QtSerialPortService : public SerialPortService {
public:
    QtSerialPortService();
    ~QtSerialPortService() override;

    // --com1 PATH ... --com4 PATH: the devices behind the port numbers.
    void SetPortPaths(const std::map<int, QString>& paths) { paths_.Override(paths); }
    QString PortPath(int n) const { return paths_.PathOf(n); }
    // The lights, whenever one changes while monitoring is on (all unlit when it stops).
    void SetLineLightsHandler(std::function<void(const SerialLineLights&)> handler);
    // Every byte written to and read from the port, for the terminal view.
    void SetTrafficHandler(std::function<void(bool outgoing, const QByteArray& bytes)> handler);
    void SetLinePollInterval(int ms) { pollTimer_.setInterval(ms); }

    void SetListener(SerialPortListener* listener) override { listener_ = listener; }
    bool IsAvailable(int n) override;
    // The device's own diagnosis (SerialOpenProblem) after its path; nothing for a
    // device that does not exist.
    std::string OpenProblem(int n) override;
    void SelectPort(int n) override { selected_ = n; }
    int PortNumber() const override { return selected_; }
    void Open() override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    void SetBaud(int baud) override;
    void SetHardwareFlowControl(bool useRts, bool requireCts) override;
    std::uint16_t OutputFree() const override;
    void Write(std::string_view text) override;
    void FlushInput() override;
    int ReadByte(int timeoutMs) override;
    std::size_t Read(std::uint8_t* dst, std::size_t max) override;
    void SetLineMonitoring(bool on) override;
    std::string FailureText() const override { return failure_; }

private:
    QString DevicePath(int n) const;
    void OnReadyRead();
    // The device went away: closed, the cause kept, and the listener told.
    void Lose(const QString& cause);
    // A read failed: true when the line shows the port is finished (then it is lost);
    // false when the read is only to be tried again. readErrno: errno after the read.
    bool LostAfterReadError(QSerialPort::SerialPortError error, int readErrno);
    // Reading goes on after a read error QSerialPort had stopped it for.
    void ResumeReading();
    void PollLines();
    void ShowTraffic(bool outgoing, const QByteArray& bytes);
    void ReportLights(const SerialLineLights& lights);

    SerialPortPaths paths_;
    QSerialPort port_;
    QString devicePath_;   // the device the open port is
    std::string failure_;  // why the port last failed or went away
    SerialReadFailures readFailures_;
    QTimer pollTimer_;
    SerialPortListener* listener_ = nullptr;
    std::function<void(const SerialLineLights&)> lightsHandler_;
    std::function<void(bool, const QByteArray&)> trafficHandler_;
    SerialLineLights lights_;
    int selected_ = 1;
    int baud_ = 57600;
    bool flowControl_ = true;
    bool inBlockingRead_ = false;
    bool wroteSincePoll_ = false;
    bool readSincePoll_ = false;
};

}  // namespace vx::platform
