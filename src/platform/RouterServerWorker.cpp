#include "platform/RouterServerWorker.h"

#include <QTimer>

#include "platform/RouterServer.h"

namespace vx::platform {

RouterServerWorker::RouterServerWorker(RouterServer& owner) : owner_(owner) {}

RouterServerWorker::~RouterServerWorker() {
    StopListening();
}

QString RouterServerWorker::Listen(const QHostAddress& address, quint16 port, router::RouterOptions options) {
    StopListening();
    hub_.SetOptions(std::move(options));
    server_ = new QTcpServer(this);
    // The limit is the hub's: it closes the one over it with a record.
    server_->setMaxPendingConnections(64);
    if (!server_->listen(address, port)) {
        const QString why = server_->errorString();
        delete server_;
        server_ = nullptr;
        return why;
    }
    connect(server_, &QTcpServer::newConnection, this, &RouterServerWorker::Accept);
    return {};
}

void RouterServerWorker::StopListening() {
    if (server_) {
        server_->close();
        delete server_;
        server_ = nullptr;
    }
    const auto sockets = sockets_;
    for (const auto& [id, socket] : sockets) {
        hub_.End(id);
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    sockets_.clear();
    CountChanged();
}

void RouterServerWorker::Accept() {
    while (server_ && server_->hasPendingConnections()) {
        QTcpSocket* socket = server_->nextPendingConnection();
        const int id = nextId_++;
        sockets_[id] = socket;
        // The protocol is lines of text both ways: no waiting to fill a segment.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this, [this, id, socket] {
            if (sockets_.count(id) == 0) return;
            const QByteArray bytes = socket->readAll();
            hub_.Receive(id, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, id, socket] {
            if (sockets_.erase(id) == 0) return;
            hub_.End(id);
            socket->deleteLater();
            CountChanged();
        });
        if (hub_.Open(id, socket->peerAddress().toString().toStdString())) CountChanged();
    }
}

void RouterServerWorker::Send(int client, const std::string& bytes) {
    const auto it = sockets_.find(client);
    if (it == sockets_.end()) return;
    QTcpSocket* socket = it->second;
    if (overfull_.count(client) != 0) return;
    socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (socket->bytesToWrite() <= MaxUnreadBytes) return;
    // Closed from the event loop: the hub may be walking its clients right now.
    overfull_.insert(client);
    QMetaObject::invokeMethod(this, [this, client] {
        if (sockets_.count(client) != 0) {
            const std::string address = hub_.AddressOf(client);
            hub_.End(client);
            ToPanel({.What = router::PanelJob::Kind::Record, .Client = client, .Address = address,
                     .Record = "Disconnected",
                     .Words = "router client " + address + " closed: more than 1 MiB waited unread"});
            Close(client);
        }
        overfull_.erase(client);
    }, Qt::QueuedConnection);
}

void RouterServerWorker::Close(int client) {
    const auto it = sockets_.find(client);
    if (it == sockets_.end()) return;
    QTcpSocket* socket = it->second;
    sockets_.erase(it);
    // A client that does not read gets nothing more; any other gets what was sent to it
    // (a NAK, say) before the close, within a bound.
    const bool hard = overfull_.count(client) != 0;
    // Later, from the event loop: the hub may be in the middle of this client's bytes.
    socket->disconnect(this);
    QMetaObject::invokeMethod(socket, [socket, hard] {
        if (hard) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(2000, socket, [socket] {
            socket->abort();
            socket->deleteLater();
        });
        socket->disconnectFromHost();
    }, Qt::QueuedConnection);
    CountChanged();
}

void RouterServerWorker::ToPanel(router::PanelJob job) {
    owner_.Post(std::move(job));
}

void RouterServerWorker::CountChanged() {
    const int count = static_cast<int>(hub_.ClientCount());
    RouterServer* owner = &owner_;
    QMetaObject::invokeMethod(owner, [owner, count] {
        if (owner->clients_ == count) return;
        owner->clients_ = count;
        emit owner->clientsChanged(count);
    }, Qt::QueuedConnection);
}

}  // namespace vx::platform
