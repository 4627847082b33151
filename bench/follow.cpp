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
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "follow/Follower.h"
#include "platform/QtServices.h"
#include "ui/RadioGroup.h"
#include "ui/TMatrixForm.h"

namespace {

constexpr double Baud = 57600;

// Answers Yes to the start-up question; any message means the benchmark went wrong.
struct BenchPrompter : vx::Prompter {
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::vector<std::string> messages;
};

int Fail(const char* what, const std::vector<std::string>& messages = {}) {
    std::fprintf(stderr, "follow: %s\n", what);
    for (const auto& m : messages) std::fprintf(stderr, "  message: %s\n", m.c_str());
    return 1;
}

double Seconds(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return Fail("usage: follow VXSIM line|latency");
    const bool line = QString(argv[2]) == "line";

    QTemporaryDir dir;
    const QString com1 = dir.filePath("com1");
    QProcess sim;
    sim.start(argv[1],
              {"--model", "20", "--baud", QString::number(Baud), "--tcp", "127.0.0.1:0", "--serial", com1});
    QString simOut;
    for (int tries = 0; tries < 50 && !(simOut.contains("tcp ") && simOut.contains("serial ")); ++tries) {
        sim.waitForReadyRead(200);
        simOut += sim.readAllStandardOutput();
    }
    const auto port = QRegularExpression("tcp [0-9.]+:(\\d+)").match(simOut);
    if (!port.hasMatch()) return Fail("vxsim did not start");

    vx::platform::QtServices services;
    services.Serial.SetPortPaths(
        {{1, com1}, {2, dir.filePath("com2")}, {3, dir.filePath("com3")}, {4, dir.filePath("com4")}});
    vx::LinkServices bundle = services.Bundle();
    BenchPrompter prompts;
    vx::ui::TMatrixForm form(bundle, &prompts);
    form.SetConnectOnFirstShow(false);
    form.Core().Ethernet().SetRemotePort(port.captured(1).toInt());
    form.show();
    QCoreApplication::processEvents();
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
        core.Link().SerialLinkActive = false;
        if (services.Serial.IsOpen()) services.Serial.Close();
    } else {
        form.findChild<QLineEdit*>("IPAddrEdit")->setText("127.0.0.1");
        auto* selector = form.findChild<vx::ui::RadioGroup*>("SerialModeRadioGroup");
        selector->SetItemIndex(1);
        emit selector->ItemClicked(1);
        if (core.Model().EthernetConnected != 1 || !prompts.messages.empty())
            return Fail("no TCP link", prompts.messages);
        // One poll by itself, for the goal: the interval plus one exchange.
        core.SetFollow({true, interval});
        core.FollowTimerTimer();  // the first poll is the slow one
        QElapsedTimer one;
        one.start();
        core.FollowTimerTimer();
        const double pollSeconds = Seconds(one);
        QTcpSocket other;
        other.connectToHost("127.0.0.1", static_cast<quint16>(port.captured(1).toInt()));
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
        services.Tcp.Close();
    }
    sim.terminate();
    sim.waitForFinished(3000);
    return 0;
}
