#pragma once
// The server's sockets and hub, on the server's thread. Writes past 1 MiB that a client
// has not read close that client: a client that does not read cannot make the panel wait
// or hold its memory.
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <map>
#include <set>

#include "routerserver/RouterHub.h"

namespace vx::platform {

class RouterServer;

inline constexpr qint64 MaxUnreadBytes = 1 << 20;

class RouterServerWorker : public QObject, public router::RouterHubPorts {
    Q_OBJECT
public:
    explicit RouterServerWorker(RouterServer& owner);
    ~RouterServerWorker() override;

    // On the worker's thread: listen, or stop listening and close every client.
    QString Listen(const QHostAddress& address, quint16 port, router::RouterOptions options);
    void StopListening();
    quint16 Port() const { return server_ ? server_->serverPort() : 0; }
    router::RouterHub& Hub() { return hub_; }

    void Send(int client, const std::string& bytes) override;
    void Close(int client) override;
    void ToPanel(router::PanelJob job) override;

private:
    void Accept();
    void CountChanged();

    RouterServer& owner_;
    router::RouterHub hub_{*this};
    QTcpServer* server_ = nullptr;
    std::map<int, QTcpSocket*> sockets_;
    std::set<int> overfull_;  // clients being closed for what they did not read
    int nextId_ = 1;
};

}  // namespace vx::platform
