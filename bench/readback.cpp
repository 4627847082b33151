// Read-back benchmark: a full "Read from Vextaro" of a 16 x 16 switcher (vxsim, its serial
// end paced at 57600 baud) over the pseudo-terminal or over TCP, with the product's own
// waits. Prints the time of each read and its ratio to what the link itself needs: over
// serial the wire time of the bytes on the line (10 bits a byte, query and answer taking
// turns), over TCP the pauses the protocol asks for before each query.
//   readback VXSIM serial|tcp [REPEATS]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "SimPanel.h"
#include "platform/QtActivityLog.h"

namespace {

constexpr double Baud = 57600;

// The lines the simulator received, without the bare returns.
int QueriesIn(const QString& transcript) {
    QFile f(transcript);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    int n = 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.split(' ').size() > 2 && !line.split(' ').at(2).trimmed().isEmpty()) ++n;
    return n;
}

int Fail(const char* what, const std::vector<std::string>& messages = {}) {
    return BenchFail("readback", what, messages);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) return Fail("usage: readback VXSIM serial|tcp [REPEATS] [log]");
    const bool serial = QString(argv[2]) == "serial";
    const int repeats = argc > 3 ? std::max(1, atoi(argv[3])) : 3;
    // With "log" the panel keeps its activity log as vxpanel does, in a folder of its own.
    const bool logOn = argc > 4 && QString(argv[4]) == "log";

    QTemporaryDir own;
    const QString transcript = own.filePath("transcript.txt");
    SimPanel rig(argv[1], Baud, {"--transcript", transcript});
    if (!rig.Started()) return Fail("vxsim did not start");
    vx::ui::TMatrixForm& form = *rig.form;
    vx::platform::QtActivityLog activity(own.filePath(vx::platform::LogFolderName));
    if (logOn) {
        activity.Start();
        form.Core().AttachActivity(&activity.Environment(), &activity.Sink());
    }
    const auto& prompts = rig.prompts;
    auto& services = rig.services;

    if (serial) {
        form.Core().StartupConnection();
        if (!form.Core().Link().SerialLinkActive) return Fail("no serial link", prompts.messages);
    } else {
        if (!rig.ChooseEthernet()) return Fail("no TCP link", prompts.messages);
    }
    if (!prompts.messages.empty()) return Fail("connecting", prompts.messages);

    long long bytes = 0;
    services.Serial.SetTrafficHandler([&bytes](bool, const QByteArray& b) { bytes += b.size(); });
    const int pauseMs = form.Core().Link().Limits.QueryPauseMs;
    std::vector<double> ratios;
    for (int r = 0; r < repeats; ++r) {
        bytes = 0;
        const int before = QueriesIn(transcript);
        QElapsedTimer timer;
        timer.start();
        form.Core().ReadfromVextaros1Click();
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!prompts.messages.empty()) return Fail("reading", prompts.messages);
        const int queries = QueriesIn(transcript) - before;
        if (serial) {
            const double wire = static_cast<double>(bytes) * 10 / Baud;
            ratios.push_back(seconds / wire);
            std::printf("  serial read %d: %.3f s, %lld bytes on the line = %.3f s at 57600 baud: %.2fx\n",
                        r + 1, seconds, bytes, wire, ratios.back());
        } else {
            const double pauses = queries * pauseMs / 1000.0;
            ratios.push_back(seconds / pauses);
            std::printf("  tcp read %d: %.3f s, %d queries x %d ms of pauses = %.3f s: %.2fx\n", r + 1,
                        seconds, queries, pauseMs, pauses, ratios.back());
        }
        std::fflush(stdout);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("read-back over %s, 16 x 16, median of %d%s: %.3fx\n", serial ? "serial" : "TCP", repeats,
                logOn ? ", activity log on" : "", ratios[ratios.size() / 2]);
    form.Core().AttachActivity(nullptr, nullptr);
    return 0;
}
