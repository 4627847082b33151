// vxctl serve: the router-protocol server in front of the switcher, on the panel core
// without a window. The switcher is read once and followed; the server runs until the stop
// request (SIGINT, SIGTERM or SIGHUP), which ends it with 0. A link lost meanwhile is the
// clients' "Device present: false" and follow mode's to find again, not the end.
#include <QCoreApplication>

#include "ConsoleViews.h"
#include "CtlSession.h"
#include "platform/RouterServer.h"

namespace vxctl {

int CtlSession::Serve() {
    if (!ReadInfo() || !ReadRoutes("before serving")) return 1;
    core_.Reader().ReadPrevOutputStatus();
    core_.PublishChanges();
    // Follow mode finds a dropped connection again at the address the panel's field holds.
    if (r_.Link == LinkKind::Tcp) views_.SetIpText(r_.Host);
    core_.SetFollow({true, r_.IntervalSeconds});
    vx::platform::RouterServer server(core_);
    vx::ServeSettings settings;
    settings.On = true;
    settings.Address = r_.ServeAddress;
    settings.Port = r_.ServePort;
    settings.Allowed = r_.Allowed;
    settings.LabelsAllowed = r_.LabelsAllowed;
    settings.ReadOnly = r_.ReadOnly;
    if (const QString problem = server.Apply(settings); !problem.isEmpty()) return Failure(problem.toStdString());
    out_ << "serving router clients on " << r_.ServeAddress << ":" << server.Port() << "\n";
    out_.flush();
    core_.Activity().Note("Serve", "Serving router clients on " + r_.ServeAddress + ":" + std::to_string(server.Port()));
    auto& events = core_.Context().Events;
    while (!(stop_ && stop_())) events.WaitForEvents();
    server.Stop();
    core_.SetFollow({false, r_.IntervalSeconds});
    core_.Activity().Note("Serve", "Stopped serving router clients");
    return 0;
}

}  // namespace vxctl
