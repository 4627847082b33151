#include "platform/QtTcpClientService.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vx::platform {

SocketErrorKind SocketErrorKindOf(QAbstractSocket::SocketError error) {
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
        case QAbstractSocket::HostNotFoundError:
        case QAbstractSocket::NetworkError:
        case QAbstractSocket::SocketAccessError:
        case QAbstractSocket::ProxyConnectionRefusedError:
        case QAbstractSocket::ProxyNotFoundError:
        case QAbstractSocket::ProxyConnectionTimeoutError:
        case QAbstractSocket::ProxyAuthenticationRequiredError:
            return SocketErrorKind::Connect;
        case QAbstractSocket::RemoteHostClosedError:
        case QAbstractSocket::ProxyConnectionClosedError:
            return SocketErrorKind::Disconnect;
        case QAbstractSocket::SocketResourceError:
        case QAbstractSocket::AddressInUseError:
        case QAbstractSocket::SocketAddressNotAvailableError:
        case QAbstractSocket::UnsupportedSocketOperationError:
        case QAbstractSocket::OperationError:
        case QAbstractSocket::TemporaryError:
            return SocketErrorKind::General;
        default:
            return SocketErrorKind::Other;
    }
}

QtTcpClientService::QtTcpClientService() = default;

QTcpSocket& QtTcpClientService::Socket() {
    if (socket_) return *socket_;
    socket_ = std::make_unique<QTcpSocket>();
    QTcpSocket& socket = *socket_;
    QObject::connect(&socket, &QTcpSocket::connected, &socket, [this] {
        connecting_ = false;
        if (listener_) listener_->Connected();
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &socket, [this] {
        if (listener_) listener_->Disconnected();
    });
    // Kept at once: a send that failed here (a local write error) is told as such by the
    // exchange that made it, not taken for the far end closing the connection.
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &socket,
                     [this](QAbstractSocket::SocketError error) {
                         const bool ours = error != QAbstractSocket::SocketTimeoutError &&
                                           error != QAbstractSocket::RemoteHostClosedError && !connecting_;
                         if (ours && failure_.empty()) failure_ = socket_->errorString().toStdString();
                     });
    // Queued: an error found inside a blocking wait is shown once events are processed,
    // not in the middle of the wait.
    QObject::connect(
        &socket, &QTcpSocket::errorOccurred, &socket,
        [this](QAbstractSocket::SocketError error) { OnError(error); }, Qt::QueuedConnection);
    return socket;
}

QtTcpClientService::~QtTcpClientService() {
    listener_ = nullptr;
    if (socket_) socket_->abort();
}

void QtTcpClientService::SetRemote(const std::string& address, int port) {
    address_ = QString::fromStdString(address);
    port_ = static_cast<quint16>(std::clamp(port, 0, 65535));
}

void QtTcpClientService::Open() {
    QTcpSocket& socket = Socket();
    socket.abort();
    // The answer is read as it comes; no coalescing delay for the short command lines.
    socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connecting_ = true;
    failure_.clear();
    socket.connectToHost(address_, port_);
}

void QtTcpClientService::Close() {
    connecting_ = false;
    if (socket_) socket_->abort();
}

void QtTcpClientService::Send(std::string_view text) {
    if (!IsActive()) return;
    QTcpSocket& socket = *socket_;
    socket.write(text.data(), static_cast<qint64>(text.size()));
    // Out now: the waits that follow process no events.
    errno = 0;
    const bool flushed = socket.flush();
    const int writeErrno = errno;
    // A write the system refused here (no buffers, the network down) closes the socket
    // without an error of QTcpSocket's own; the errno of the write says what it was.
    const bool farEndClosed = socket.error() == QAbstractSocket::RemoteHostClosedError;
    if (!flushed && !IsActive() && !farEndClosed && failure_.empty())
        failure_ = "local write error: " + (writeErrno != 0 ? std::string(std::strerror(writeErrno))
                                                            : socket.errorString().toStdString());
}

bool QtTcpClientService::WaitForData(int timeoutMs) {
    if (!socket_) return false;
    if (socket_->bytesAvailable() > 0) return true;
    if (!IsActive()) return false;
    return socket_->waitForReadyRead(std::max(timeoutMs, 0));
}

std::size_t QtTcpClientService::Read(std::uint8_t* dst, std::size_t max, int timeoutMs) {
    if (max == 0 || !WaitForData(timeoutMs)) return 0;
    const qint64 n = socket_->read(reinterpret_cast<char*>(dst), static_cast<qint64>(max));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void QtTcpClientService::OnError(QAbstractSocket::SocketError error) {
    // The stream waits have their own time-outs; running out of one is not a fault of the
    // connection. The socket's own connect time-out is: the connect has failed.
    const bool connectTimedOut = error == QAbstractSocket::SocketTimeoutError && connecting_;
    if (error != QAbstractSocket::SocketTimeoutError || connectTimedOut) connecting_ = false;
    if (!listener_) return;
    if (connectTimedOut)
        listener_->Error(SocketErrorKind::Connect);
    else if (error != QAbstractSocket::SocketTimeoutError)
        listener_->Error(SocketErrorKindOf(error));
}

}  // namespace vx::platform
