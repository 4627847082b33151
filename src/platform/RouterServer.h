#pragma once
// The router-protocol server on a thread of its own: the listening socket, the clients'
// sockets and the protocol core's hub live there, so ACK and PING never wait for the
// window's thread, which a serial exchange may hold for seconds. Routes and labels go to
// the window's thread by queued calls into the panel core's door; the picture and the
// verdicts come back the same way.
#include <QObject>
#include <QString>
#include <QThread>
#include <memory>
#include <mutex>
#include <vector>

#include "panel/PanelCore.h"
#include "panel/RouterPanelSide.h"
#include "routerserver/RouterHub.h"
#include "settings/ServeSettings.h"

namespace vx::platform {

class RouterServerWorker;

class RouterServer : public QObject {
    Q_OBJECT
public:
    explicit RouterServer(PanelCore& core, QObject* parent = nullptr);
    ~RouterServer() override;

    // Listens as the settings say; the error in words when it cannot (empty when it does).
    // Settings with On false stop the server.
    QString Apply(const ServeSettings& settings);
    void Stop();
    bool Listening() const { return listening_; }
    quint16 Port() const { return port_; }
    int ClientCount() const { return clients_; }
    RouterPanelSide* Side() { return side_.get(); }

signals:
    void clientsChanged(int count);
    void locksChanged();

private:
    friend class RouterServerWorker;
    // From the worker's thread: jobs for the panel, and the client count.
    void Post(router::PanelJob job);
    void Drain();
    void ScheduleFlush();
    void OnWorker(std::function<void(router::RouterHub&)> call);

    PanelCore& core_;
    std::unique_ptr<RouterPanelSide> side_;
    QThread thread_;
    RouterServerWorker* worker_ = nullptr;
    std::mutex inboxMutex_;
    std::vector<router::PanelJob> inbox_;
    bool drainPosted_ = false;  // under inboxMutex_
    bool flushPosted_ = false;
    bool listening_ = false;
    quint16 port_ = 0;
    int clients_ = 0;
};

}  // namespace vx::platform
