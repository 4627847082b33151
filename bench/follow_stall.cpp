// How long follow mode keeps the window's event loop from its events, against vxsim (16 x 16,
// its serial end paced at 57600 baud) with the product's own time limits. A 5 ms timer runs
// beside the panel; each gap between two of its firings beyond those 5 ms is a stall of the
// event loop. Reported: the longest stall and the 99th percentile, over a run of a few
// polls' length, for one of:
//   serial      follow at 1 s over the pseudo-terminal;
//   tcp         follow at 1 s over TCP;
//   silent      follow at 1 s over TCP, the switcher silent (its connection still open);
//   reconnect   follow at 1 s over TCP, the connection dropped and the switcher accepting
//               new connections without answering them: the background reconnection.
//   follow_stall VXSIM serial|tcp|silent|reconnect [SECONDS]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "SimPanel.h"

namespace {

constexpr int TickMs = 5;

int Fail(const char* what, const std::vector<std::string>& messages = {}) {
    return BenchFail("follow_stall", what, messages);
}

// Runs the event loop for ms and returns each stall, in milliseconds.
std::vector<double> Stalls(int ms) {
    std::vector<double> stalls;
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(TickMs);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        stalls.push_back(std::max(0.0, static_cast<double>(now - last) / 1e6 - TickMs));
        last = now;
    });
    tick.start();
    // A loop of its own: the application's quit would ask the window to close.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    tick.stop();
    return stalls;
}

bool Control(QProcess& sim, const char* line) {
    sim.write(line);
    sim.write("\n");
    sim.waitForBytesWritten(1000);
    QString out;
    for (int tries = 0; tries < 25 && !out.contains("control:"); ++tries) {
        sim.waitForReadyRead(200);
        out += sim.readAllStandardOutput();
    }
    return out.contains("control: ok");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return Fail("usage: follow_stall VXSIM serial|tcp|silent|reconnect [SECONDS]");
    const QString what = argv[2];
    const int seconds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;

    SimPanel rig(argv[1], 57600, {"--control"});
    if (!rig.Started()) return Fail("vxsim did not start");
    vx::PanelCore& core = rig.form->Core();
    const auto& prompts = rig.prompts;
    if (what == "serial") {
        core.StartupConnection();
        if (!core.Link().SerialLinkActive) return Fail("no serial link", prompts.messages);
    } else if (!rig.ChooseEthernet()) {
        return Fail("no TCP link", prompts.messages);
    }
    if (!prompts.messages.empty()) return Fail("connecting", prompts.messages);
    core.SetFollow({true, 1});
    if (what == "silent" && !Control(rig.sim, "silent on")) return Fail("silent on");
    if (what == "reconnect" && !(Control(rig.sim, "silent on") && Control(rig.sim, "drop-tcp")))
        return Fail("silent on, drop-tcp");

    std::vector<double> stalls = Stalls(seconds * 1000);
    if (stalls.empty()) return Fail("the timer never fired");
    if (!prompts.messages.empty()) return Fail("a box was opened", prompts.messages);
    if (what == "reconnect" && !core.Following().Reconnecting()) return Fail("not reconnecting");
    if (what == "silent" && !core.Following().Unanswered()) return Fail("the silence was not seen");
    std::sort(stalls.begin(), stalls.end());
    const double p99 = stalls[(stalls.size() * 99 + 99) / 100 - 1];
    std::printf(
        "event-loop stall with follow at 1 s, %s, %d s: 99th percentile %.1f ms, longest %.1f ms "
        "(goal: under 50 ms and under 250 ms)\n",
        what == "serial"   ? "over serial"
        : what == "tcp"    ? "over TCP"
        : what == "silent" ? "switcher silent over TCP"
                           : "reconnecting to a silent switcher",
        seconds, p99, stalls.back());
    return 0;
}
