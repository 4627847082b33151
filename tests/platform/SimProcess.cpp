#include "SimProcess.h"

#include <QRegularExpression>

#include <signal.h>

namespace vx::test {

SimProcess::SimProcess(const QStringList& args) {
    process_.setProgram(QStringLiteral(VXSIM_PATH));
    process_.setArguments(args);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(5000)) return;
    const bool wantTcp = args.contains(QStringLiteral("--tcp"));
    const bool wantSerial = args.contains(QStringLiteral("--serial"));
    // Each link prints one line once it is ready; bounded by tries and time.
    for (int tries = 0; tries < 50; ++tries) {
        const bool tcpReady = !wantTcp || output_.contains(QStringLiteral("tcp "));
        const bool serialReady = !wantSerial || output_.contains(QStringLiteral("serial "));
        if (tcpReady && serialReady && output_.endsWith('\n')) {
            started_ = true;
            break;
        }
        if (process_.state() != QProcess::Running) break;
        process_.waitForReadyRead(200);
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
    }
    const auto match = QRegularExpression(QStringLiteral("tcp [0-9.]+:(\\d+)")).match(output_);
    if (match.hasMatch()) tcpPort_ = match.captured(1).toInt();
}

bool SimProcess::Signal(int sig, const QString& confirmation) {
    const qsizetype seen = output_.size();
    if (::kill(static_cast<pid_t>(process_.processId()), sig) != 0) return false;
    for (int tries = 0; tries < 25; ++tries) {
        process_.waitForReadyRead(200);
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
        if (output_.indexOf(confirmation, seen) >= 0 && output_.endsWith('\n')) return true;
    }
    return false;
}

bool SimProcess::Pause(bool on) {
    paused_ = on;
    return ::kill(static_cast<pid_t>(process_.processId()), on ? SIGSTOP : SIGCONT) == 0;
}

bool SimProcess::Control(const QString& line) {
    const qsizetype seen = output_.size();
    process_.write((line + QLatin1Char('\n')).toLocal8Bit());
    process_.waitForBytesWritten(1000);
    for (int tries = 0; tries < 25; ++tries) {
        process_.waitForReadyRead(200);
        output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
        if (output_.indexOf(QStringLiteral("control: "), seen) >= 0 && output_.endsWith('\n'))
            return output_.indexOf(QStringLiteral("control: ok"), seen) >= 0;
    }
    return false;
}

SimProcess::~SimProcess() {
    if (process_.state() == QProcess::NotRunning) return;
    if (paused_) Pause(false);  // a stopped process would not see the end
    process_.terminate();
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

}  // namespace vx::test
