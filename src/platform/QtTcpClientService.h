#pragma once
// The TCP client service over QTcpSocket, used in blocking style: the stream waits and
// reads block without processing events; the connected and disconnected notifications
// come while events are processed (or from inside Close), errors always from the event loop.
// The socket is made when first opened: a panel that never connects over TCP never loads
// what a socket needs, which is part of what starting the window costs.
#include <QTcpSocket>
#include <memory>
#include <string>

#include "link/Ports.h"

namespace vx::platform {

// The kind of an error the socket reported, as the panel names them.
SocketErrorKind SocketErrorKindOf(QAbstractSocket::SocketError error);

class QtTcpClientService : public TcpClientService {
public:
    QtTcpClientService();
    ~QtTcpClientService() override;

    void SetListener(TcpClientListener* listener) override { listener_ = listener; }
    void SetRemote(const std::string& address, int port) override;
    void Open() override;
    void Close() override;
    bool IsActive() const override { return socket_ && socket_->state() == QAbstractSocket::ConnectedState; }
    void Send(std::string_view text) override;
    bool WaitForData(int timeoutMs) override;
    std::size_t Read(std::uint8_t* dst, std::size_t max, int timeoutMs) override;
    std::string FailureText() const override { return failure_; }

private:
    void OnError(QAbstractSocket::SocketError error);
    // The socket, made with its connections when first needed.
    QTcpSocket& Socket();

    std::unique_ptr<QTcpSocket> socket_;
    TcpClientListener* listener_ = nullptr;
    QString address_;
    quint16 port_ = 23;
    bool connecting_ = false;  // from Open until connected, closed or failed
    std::string failure_;      // a local error that ended the connection
};

}  // namespace vx::platform
