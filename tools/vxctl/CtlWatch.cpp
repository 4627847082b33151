// vxctl watch: follow mode on the panel core without a window. The switcher is read once,
// then polled at the interval; every route change prints one line. It ends at the stop
// request (SIGINT or SIGTERM) with 0, or with 1 when the link is lost or the switcher stops
// answering.
#include "ConsoleViews.h"
#include "CtlSession.h"
#include "WatchLines.h"

namespace vxctl {

int CtlSession::Watch() {
    // Where the switcher stands now, so that what is printed is what changes from here.
    if (!ReadInfo() || !ReadRoutes("before watching")) return 1;
    core_.Reader().ReadPrevOutputStatus();
    // The watch starts from what was just read; from here on, every route the core's
    // stream of changes reports as changed prints one line.
    core_.PublishChanges();
    const int ticket = core_.Changes().Subscribe([this](const vx::PanelChange& c) {
        if (c.Kind != vx::ChangeKind::Route) return;
        if (c.Was.Input == c.Now.Input && c.Was.Committed == c.Now.Committed) return;
        const std::string time = WatchTimeNow();
        const vx::RouteChange change{c.Index, c.Was, c.Now};
        out_ << (r_.Json ? WatchJson(time, change) : WatchText(time, change)) << "\n";
        out_.flush();
    });
    core_.SetFollow({true, r_.IntervalSeconds});
    const std::size_t seen = views_.Messages().size();
    auto& events = core_.Context().Events;
    int code = 0;
    for (;;) {
        if (stop_ && stop_()) break;
        // A line that could not be written ends the watch; main says why.
        if (!out_) {
            code = 1;
            break;
        }
        auto& f = core_.Following();
        const bool linked = core_.Model().EthernetConnected != 0 || core_.Link().SerialLinkActive;
        if (!linked || f.Reconnecting() || !f.On()) {
            // The cause, when the link knows it, rather than the panel's words about its menus.
            const std::string gone = LinkGoneText();
            code = Failure(gone.empty() ? "the link to " + LinkName() + " was lost" + PanelMessages(seen)
                                        : "the link was lost: " + gone);
            break;
        }
        if (f.Unanswered()) {
            code = Failure("the switcher on " + LinkName() + " stopped answering");
            break;
        }
        events.WaitForEvents();
    }
    core_.SetFollow({false, r_.IntervalSeconds});
    core_.Changes().Unsubscribe(ticket);
    return code;
}

}  // namespace vxctl
