#include "platform/RouterServer.h"

#include <QHostAddress>
#include <QTimer>

#include "platform/RouterServerWorker.h"
#include "routerserver/ClientAddress.h"

namespace vx::platform {

namespace {
// While the panel is in an exchange, jobs wait and are offered again this often.
constexpr int RetryMs = 10;
}  // namespace

RouterServer::RouterServer(PanelCore& core, QObject* parent) : QObject(parent), core_(core) {
    worker_ = new RouterServerWorker(*this);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.setObjectName("router server");
    thread_.start();
    side_ = std::make_unique<RouterPanelSide>(
        core_, RouterPanelSide::Answers{
                   .Show = [this](const router::RouterPicture& p) { OnWorker([p](router::RouterHub& h) { h.Show(p); }); },
                   .RouteAnswered =
                       [this](int client, const std::vector<int>& outputs) {
                           OnWorker([client, outputs](router::RouterHub& h) { h.RouteAnswered(client, outputs); });
                       },
                   .LabelsAnswered =
                       [this](int client, bool outputs, const std::vector<std::pair<int, std::string>>& asked) {
                           OnWorker([client, outputs, asked](router::RouterHub& h) {
                               h.LabelsAnswered(client, outputs, asked);
                           });
                       },
                   .Unlock = [this](int output) { OnWorker([output](router::RouterHub& h) { h.Unlock(output); }); }});
    side_->OnDirty([this] { ScheduleFlush(); });
    side_->OnLocksChanged([this] { emit locksChanged(); });
}

RouterServer::~RouterServer() {
    Stop();
    thread_.quit();
    thread_.wait();
}

void RouterServer::OnWorker(std::function<void(router::RouterHub&)> call) {
    RouterServerWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker, call = std::move(call)] { call(worker->Hub()); }, Qt::QueuedConnection);
}

QString RouterServer::Apply(const ServeSettings& settings) {
    if (!settings.On) {
        Stop();
        return {};
    }
    const router::AllowedList allowed = router::ParseAllowedList(settings.Allowed);
    if (!allowed.Error.empty()) return QString::fromStdString("Allowed client addresses: " + allowed.Error);
    QHostAddress address;
    if (!address.setAddress(QString::fromStdString(settings.Address)))
        return QString::fromStdString("\"" + settings.Address + "\" is not an address to listen on");
    const router::RouterOptions options{.ReadOnly = settings.ReadOnly,
                                        .LabelsAllowed = settings.LabelsAllowed,
                                        .Allowed = allowed.Entries};
    QString error;
    quint16 port = 0;
    RouterServerWorker* worker = worker_;
    // The worker's thread waits for nothing but its own events: asking it and waiting is safe.
    QMetaObject::invokeMethod(worker, [&] {
        error = worker->Listen(address, static_cast<quint16>(settings.Port), options);
        port = worker->Port();
    }, Qt::BlockingQueuedConnection);
    listening_ = error.isEmpty();
    port_ = port;
    if (!listening_) return QStringLiteral("Could not listen on %1 port %2: %3")
                               .arg(QString::fromStdString(settings.Address)).arg(settings.Port).arg(error);
    // The server needs the truth: follow mode keeps the picture what the switcher holds.
    if (!core_.Following().On()) core_.SetFollow({true, core_.Following().Settings().IntervalSeconds});
    side_->Flush();
    return {};
}

void RouterServer::Stop() {
    if (!listening_) return;
    RouterServerWorker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker] { worker->StopListening(); }, Qt::BlockingQueuedConnection);
    listening_ = false;
    port_ = 0;
}

void RouterServer::Post(router::PanelJob job) {
    std::lock_guard<std::mutex> lock(inboxMutex_);
    inbox_.push_back(std::move(job));
    if (drainPosted_) return;
    drainPosted_ = true;
    QMetaObject::invokeMethod(this, [this] { Drain(); }, Qt::QueuedConnection);
}

void RouterServer::Drain() {
    // Never inside an exchange with the switcher: the jobs wait until it is over.
    if (!side_->MayRun()) {
        QTimer::singleShot(RetryMs, this, [this] { Drain(); });
        return;
    }
    std::vector<router::PanelJob> jobs;
    {
        std::lock_guard<std::mutex> lock(inboxMutex_);
        jobs.swap(inbox_);
        drainPosted_ = false;
    }
    side_->Run(std::move(jobs));
}

void RouterServer::ScheduleFlush() {
    if (flushPosted_) return;
    flushPosted_ = true;
    QTimer::singleShot(0, this, [this] {
        flushPosted_ = false;
        side_->Flush();
    });
}

}  // namespace vx::platform
