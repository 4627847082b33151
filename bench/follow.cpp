// Follow-mode benchmark against vxsim (16 x 16, its serial end paced at 57600 baud):
//   line: the share of a 57600-baud serial line that follow takes at the default interval:
//         one whole cycle of polls (the slow one and the fast ones up to the next slow one)
//         is run back to back, and the time the line is busy with them and the bytes on it
//         are set against the cycle's length at the interval;
//   latency: over TCP, the time from a route taken by another client to the panel's model
//         showing it, for 50 changes made at random moments; its 95th percentile against the
//         interval plus one poll.
//   follow VXSIM line|latency
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "SimPanel.h"
#include "follow/Follower.h"

namespace {

constexpr double Baud = 57600;

int Fail(const char* what, const std::vector<std::string>& messages = {}) {
    return BenchFail("follow", what, messages);
}

double Seconds(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return Fail("usage: follow VXSIM line|latency");
    const bool line = QString(argv[2]) == "line";

    SimPanel rig(argv[1], Baud);
    if (!rig.Started()) return Fail("vxsim did not start");
    vx::ui::TMatrixForm& form = *rig.form;
    const auto& prompts = rig.prompts;
    auto& services = rig.services;
    vx::PanelCore& core = form.Core();
    const int interval = vx::DefaultFollowSeconds;

    if (line) {
        core.StartupConnection();
        if (!core.Link().SerialLinkActive || !prompts.messages.empty())
            return Fail("no serial link", prompts.messages);
        long long bytes = 0;
        services.Serial.SetTrafficHandler([&bytes](bool, const QByteArray& b) { bytes += b.size(); });
        core.SetFollow({true, interval});
        double busy = 0;
        for (int n = 0; n < vx::SlowPollEvery; ++n) {
            QElapsedTimer t;
            t.start();
            core.FollowTimerTimer();
            busy += Seconds(t);
        }
        services.Serial.SetTrafficHandler({});
        if (!prompts.messages.empty() || core.Following().Unanswered())
            return Fail("polling", prompts.messages);
        const double cycle = vx::SlowPollEvery * interval;
        const double wire = static_cast<double>(bytes) * 10 / Baud;
        std::printf(
            "follow over serial at %d s: %d polls, %lld bytes on the line (%.3f s at 57600 baud), "
            "line busy %.3f s in a cycle of %.0f s\n",
            interval, vx::SlowPollEvery, bytes, wire, busy, cycle);
        std::printf(
            "follow line share at the default interval: %.2f %% busy, %.2f %% by bytes (goal: at most 2 "
            "%%)\n",
            100 * busy / cycle, 100 * wire / cycle);
    } else {
        if (!rig.ChooseEthernet() || !prompts.messages.empty()) return Fail("no TCP link", prompts.messages);
        // One poll by itself, for the goal: the interval plus one exchange.
        core.SetFollow({true, interval});
        core.FollowTimerTimer();  // the first poll is the slow one
        QElapsedTimer one;
        one.start();
        core.FollowTimerTimer();
        const double pollSeconds = Seconds(one);
        QTcpSocket other;
        other.connectToHost("127.0.0.1", static_cast<quint16>(rig.tcpPort));
        if (!other.waitForConnected(3000)) return Fail("second client");
        std::vector<double> latencies;
        for (int k = 0; k < 50; ++k) {
            // A moment at random within the interval.
            QElapsedTimer wait;
            wait.start();
            const int pause = static_cast<int>(QRandomGenerator::global()->bounded(interval * 1000));
            while (wait.elapsed() < pause) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            const int output = k % 16;
            const int input = (core.Model().Routes[output].Input + 1 + k % 15) % 16;  // never the one routed
            other.write(QStringLiteral("RTEMP %1 %2\rTAKE 1\r").arg(output + 1).arg(input + 1).toLatin1());
            other.flush();
            QElapsedTimer seen;
            seen.start();
            while (
                !(core.Model().Routes[output].Input == input && core.Model().Routes[output].Committed == 1) &&
                seen.elapsed() < 15000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                QThread::msleep(1);
                other.readAll();
            }
            if (seen.elapsed() >= 15000) return Fail("a change never showed", prompts.messages);
            latencies.push_back(Seconds(seen));
        }
        std::sort(latencies.begin(), latencies.end());
        // The nearest rank: the 48th of 50.
        const double p95 = latencies[(latencies.size() * 95 + 99) / 100 - 1];
        std::printf(
            "follow latency over TCP at %d s, 50 changes by another client: median %.3f s, 95th percentile "
            "%.3f s, longest %.3f s (goal: at most %d s + one poll of %.3f s = %.3f s)\n",
            interval, latencies[latencies.size() / 2], p95, latencies.back(), interval, pollSeconds,
            interval + pollSeconds);
        if (!prompts.messages.empty()) return Fail("following", prompts.messages);
    }
    return 0;
}
