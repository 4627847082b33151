#include "platform/QtSerialPortService.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>

#include "platform/SerialLineCheck.h"
#include "platform/SerialPortInUse.h"
#include "platform/SerialReadFailures.h"

namespace vx::platform {

namespace {
constexpr int OutputBufferSize = 4096;
constexpr int DefaultPollMs = 100;

void Configure(QSerialPort& port, int baud, bool flowControl) {
    port.setBaudRate(baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(flowControl ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
}
}  // namespace

QtSerialPortService::QtSerialPortService() {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { OnReadyRead(); });
    // A read error may be the device going away (an adapter pulled, a hang-up), or only a
    // read woken without data. Inside a blocking read the read itself deals with it, once
    // the wait has returned.
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_, [this](QSerialPort::SerialPortError error) {
        if (inBlockingRead_ || !port_.isOpen()) return;
        if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError)
            LostAfterReadError(error, errno);
    });
    pollTimer_.setInterval(DefaultPollMs);
    QObject::connect(&pollTimer_, &QTimer::timeout, &pollTimer_, [this] { PollLines(); });
}

QtSerialPortService::~QtSerialPortService() {
    listener_ = nullptr;  // the owner of the listener may already be gone
    if (port_.isOpen()) port_.close();
}

void QtSerialPortService::SetLineLightsHandler(std::function<void(const SerialLineLights&)> handler) {
    lightsHandler_ = std::move(handler);
}

void QtSerialPortService::SetTrafficHandler(std::function<void(bool, const QByteArray&)> handler) {
    trafficHandler_ = std::move(handler);
}

QString QtSerialPortService::DevicePath(int n) const {
    // A link (such as /dev/serial/by-id/..., or a test's pseudo-terminal) is opened and
    // locked under the device's own name, as every other program sees it.
    const QString path = paths_.PathOf(n);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

bool QtSerialPortService::IsAvailable(int n) {
    const QString path = DevicePath(n);
    if (path.isEmpty()) return false;
    if (port_.isOpen() && DevicePath(selected_) == path) return false;  // ours, in use
    if (HeldExclusively(path)) return false;
    // Opening it is the only sure test; QSerialPort takes the device exclusively and holds
    // its lock file, so a port another program has open fails here.
    QSerialPort probe;
    probe.setPortName(path);
    if (!probe.open(QIODevice::ReadWrite)) return false;
    probe.close();
    return true;
}

void QtSerialPortService::Open() {
    const QString path = DevicePath(selected_);
    if (path.isEmpty()) throw LinkError("COM" + std::to_string(selected_) + " is not a serial port");
    port_.setPortName(path);
    port_.setReadBufferSize(0);  // nothing received is dropped
    failure_.clear();
    if (!port_.open(QIODevice::ReadWrite)) throw LinkError(port_.errorString().toStdString());
    devicePath_ = path;
    readFailures_.Read();
    Configure(port_, baud_, flowControl_);
    port_.clearError();  // a pseudo-terminal may refuse some settings; it still carries data
    if (listener_) listener_->PortOpened();
}

void QtSerialPortService::Close() {
    if (!port_.isOpen()) return;
    port_.close();
    if (listener_) listener_->PortClosed();
}

void QtSerialPortService::SetBaud(int baud) {
    baud_ = baud;
    if (port_.isOpen()) port_.setBaudRate(baud);
}

void QtSerialPortService::SetHardwareFlowControl(bool useRts, bool requireCts) {
    flowControl_ = useRts && requireCts;
    if (port_.isOpen())
        port_.setFlowControl(flowControl_ ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
}

std::uint16_t QtSerialPortService::OutputFree() const {
    const qint64 pending = port_.isOpen() ? port_.bytesToWrite() : 0;
    return static_cast<std::uint16_t>(std::clamp<qint64>(OutputBufferSize - pending, 0, OutputBufferSize));
}

void QtSerialPortService::Write(std::string_view text) {
    if (!port_.isOpen()) return;
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    port_.write(bytes);
    // Handed to the driver now: the prompt wait that follows processes no events.
    port_.flush();
    wroteSincePoll_ = true;
    ShowTraffic(true, bytes);
}

void QtSerialPortService::FlushInput() {
    if (!port_.isOpen()) return;
    const QByteArray dropped = port_.readAll();
    port_.clear(QSerialPort::Input);
    if (!dropped.isEmpty()) ShowTraffic(false, dropped);
}

int QtSerialPortService::ReadByte(int timeoutMs) {
    if (!port_.isOpen()) throw LinkError("The serial port is not open.");
    if (port_.bytesAvailable() == 0) {
        // readyRead fires inside the wait; the collector must not take these bytes.
        inBlockingRead_ = true;
        errno = 0;  // a read that meets the end of the file sets none
        const bool ready = port_.waitForReadyRead(std::max(timeoutMs, 0));
        const int readErrno = errno;
        inBlockingRead_ = false;
        if (!ready) {
            const auto error = port_.error();
            // Lost, or (a resource error on a sound line) a read to try again within the
            // caller's limit: either way nothing came.
            if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) &&
                (LostAfterReadError(error, readErrno) || error == QSerialPort::ResourceError))
                return -1;
            if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError) {
                failure_ = port_.errorString().toStdString();
                port_.clearError();
                throw LinkError(failure_);
            }
            port_.clearError();
            return -1;
        }
    }
    char ch = 0;
    if (port_.read(&ch, 1) != 1) return -1;
    readFailures_.Read();
    readSincePoll_ = true;
    ShowTraffic(false, QByteArray(1, ch));
    return static_cast<unsigned char>(ch);
}

std::size_t QtSerialPortService::Read(std::uint8_t* dst, std::size_t max) {
    if (!port_.isOpen() || max == 0) return 0;
    const qint64 n = port_.read(reinterpret_cast<char*>(dst), static_cast<qint64>(max));
    if (n <= 0) return 0;
    readFailures_.Read();
    readSincePoll_ = true;
    ShowTraffic(false, QByteArray(reinterpret_cast<const char*>(dst), static_cast<qsizetype>(n)));
    return static_cast<std::size_t>(n);
}

bool QtSerialPortService::LostAfterReadError(QSerialPort::SerialPortError error, int readErrno) {
    const SerialLineState state = LookAtLine(static_cast<int>(port_.handle()), devicePath_);
    // A read that failed without an error number returned nothing: the end of the file.
    const bool endOfFile = error == QSerialPort::ReadError && readErrno == 0;
    if (readFailures_.Failed(endOfFile, readErrno, state == SerialLineState::Usable) == ReadFailure::Lost) {
        Lose(state != SerialLineState::Usable ? LineStateText(state)
                                              : QString::fromStdString(ReadFailureText(endOfFile, readErrno)));
        return true;
    }
    if (error == QSerialPort::ResourceError) {
        // The line is sound: the read found nothing after all (EAGAIN), as after an
        // interrupted one, and reading goes on.
        port_.clearError();
        ResumeReading();
    }
    return false;
}

void QtSerialPortService::ResumeReading() {
    // QSerialPort stops its read notifications on a resource error; setting the buffer
    // size starts them again.
    port_.setReadBufferSize(0);
}

void QtSerialPortService::Lose(const QString& cause) {
    if (!port_.isOpen()) return;
    failure_ = cause.toStdString();
    // Closed at once, so that no read notifier is left firing on a dead device.
    port_.close();
    port_.clearError();
    if (listener_) listener_->PortLost();
}

void QtSerialPortService::OnReadyRead() {
    if (inBlockingRead_ || !listener_) return;
    const qint64 available = port_.bytesAvailable();
    if (available > 0) listener_->DataAvailable(static_cast<std::size_t>(available));
}

void QtSerialPortService::SetLineMonitoring(bool on) {
    if (on) {
        wroteSincePoll_ = readSincePoll_ = false;
        pollTimer_.start();
        PollLines();
    } else {
        pollTimer_.stop();
        ReportLights({});
    }
}

void QtSerialPortService::PollLines() {
    SerialLineLights lights;
    if (port_.isOpen()) {
        const auto pins = port_.pinoutSignals();
        if (port_.error() != QSerialPort::NoError) {
            // A pseudo-terminal cannot report line states: the lights stay unlit.
            port_.clearError();
        } else {
            // The data lines have no state to read: they light while bytes go out or come in.
            lights.Txd = wroteSincePoll_;
            lights.Rxd = readSincePoll_;
            lights.Dcd = pins & QSerialPort::DataCarrierDetectSignal;
            lights.Dsr = pins & QSerialPort::DataSetReadySignal;
            lights.Cts = pins & QSerialPort::ClearToSendSignal;
        }
    }
    wroteSincePoll_ = readSincePoll_ = false;
    ReportLights(lights);
}

void QtSerialPortService::ReportLights(const SerialLineLights& lights) {
    if (lights == lights_) return;
    lights_ = lights;
    if (lightsHandler_) lightsHandler_(lights_);
}

void QtSerialPortService::ShowTraffic(bool outgoing, const QByteArray& bytes) {
    if (trafficHandler_) trafficHandler_(outgoing, bytes);
}

}  // namespace vx::platform
