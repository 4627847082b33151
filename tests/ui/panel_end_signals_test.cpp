// The panel run as a process against vxsim over the pseudo-terminal: ended by SIGTERM,
// SIGINT or SIGHUP it closes its port, leaves no lock file and exits with 0, so a panel
// started at once connects; and a panel refused the port says which process holds it.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>
#include <filesystem>
#include <memory>
#include <string>

#include "SimProcess.h"
#include "TempWorkingDir.h"
#include "platform/SerialOpenProblem.h"

namespace vx::test {
namespace {

// One panel process, its output gathered as it comes.
class PanelProcess {
public:
    explicit PanelProcess(const QString& com1, const QStringList& options = {}) {
        process_.setProgram(QStringLiteral(PANEL_PROCESS_PATH));
        process_.setArguments(QStringList{com1} + options);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
    }
    // Ended as the tests end it, so that no lock file is left behind; killed if it hangs.
    ~PanelProcess() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (process_.waitForFinished(10000)) return;
        process_.kill();
        process_.waitForFinished(3000);
    }
    // Waits, bounded, until the panel printed text; false when it did not or ended first.
    bool Says(const QString& text, int ms = 20000) {
        for (int waited = 0; waited < ms; waited += 100) {
            output_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
            if (output_.contains(text)) return true;
            if (process_.state() == QProcess::NotRunning && !process_.waitForReadyRead(0)) return false;
            process_.waitForReadyRead(100);
        }
        return false;
    }
    qint64 Pid() const { return process_.processId(); }
    void Send(int signal) const { ::kill(static_cast<pid_t>(process_.processId()), signal); }
    bool Ended() { return process_.waitForFinished(15000); }
    QProcess& Process() { return process_; }
    const QString& Output() const { return output_; }

private:
    QProcess process_;
    QString output_;
};

class PanelEndSignalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim = std::make_unique<SimProcess>(QStringList{"--serial", Com1()});
        ASSERT_TRUE(sim->Started()) << sim->Output().toStdString();
    }
    QString Com1() const { return QString::fromStdString((dir.Path() / "com1").string()); }
    // Every place QSerialPort may have put the lock file of the simulator's terminal.
    bool LockFileLeft() const {
        const std::string device = QFileInfo(Com1()).canonicalFilePath().toStdString();
        for (const auto& folder : platform::SerialLockFolders())
            if (std::filesystem::exists(folder + "/" + platform::SerialLockFileName(device))) return true;
        return false;
    }

    TempWorkingDir dir;
    std::unique_ptr<SimProcess> sim;
};

TEST_F(PanelEndSignalsTest, EachEndSignalFreesThePortForAPanelStartedAtOnce) {
    auto panel = std::make_unique<PanelProcess>(Com1());
    ASSERT_TRUE(panel->Says("connected")) << panel->Output().toStdString();
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        ASSERT_TRUE(LockFileLeft()) << "the open port is locked while the panel runs";
        panel->Send(signal);
        ASSERT_TRUE(panel->Ended());
        EXPECT_EQ(panel->Process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(panel->Process().exitCode(), 0);
        EXPECT_FALSE(LockFileLeft());
        panel = std::make_unique<PanelProcess>(Com1());
        ASSERT_TRUE(panel->Says("connected")) << panel->Output().toStdString();
    }
}

TEST_F(PanelEndSignalsTest, APanelRefusedThePortNamesTheProcessHoldingIt) {
    PanelProcess first(Com1());
    ASSERT_TRUE(first.Says("connected")) << first.Output().toStdString();
    PanelProcess second(Com1());
    ASSERT_TRUE(second.Says("Serial Port Connection Failed")) << second.Output().toStdString();
    EXPECT_TRUE(second.Says("held by process " + QString::number(first.Pid()) + " (lock file "))
        << second.Output().toStdString();
    // Ended while it shows nothing but its window, the refused panel ends cleanly too.
    second.Send(SIGTERM);
    ASSERT_TRUE(second.Ended());
    EXPECT_EQ(second.Process().exitCode(), 0);
    EXPECT_TRUE(LockFileLeft()) << "the first panel's lock stays with it";
}

// The panel against a switcher that answers slowly, the lines it receives kept in a
// transcript, and what the panel's activity log holds once it has ended.
class SlowSwitcherEndTest : public ::testing::Test {
protected:
    void Start(int delayMs) {
        sim = std::make_unique<SimProcess>(QStringList{
            "--serial", Com1(), "--delay-ms", QString::number(delayMs), "--transcript", Transcript()});
        ASSERT_TRUE(sim->Started()) << sim->Output().toStdString();
    }
    QString Com1() const { return QString::fromStdString((dir.Path() / "com1").string()); }
    QString Transcript() const { return QString::fromStdString((dir.Path() / "sim.log").string()); }
    // The lines the switcher has received so far.
    int LinesReceived() const {
        QFile file(Transcript());
        if (!file.open(QIODevice::ReadOnly)) return 0;
        return static_cast<int>(file.readAll().count('\n'));
    }
    // Waits, bounded, until the switcher has received at least n lines.
    bool WaitForLines(int n) const {
        for (int tries = 0; tries < 300 && LinesReceived() < n; ++tries) QThread::msleep(50);
        return LinesReceived() >= n;
    }
    // Every line of today's day file, each checked to be a whole record.
    std::vector<QJsonObject> LogRecords() const {
        const auto name = QDate::currentDate().toString("yyyy-MM-dd") + ".jsonl";
        QFile file(QString::fromStdString((dir.Path() / "vxpanel-log").string()) + "/" + name);
        std::vector<QJsonObject> records;
        if (!file.open(QIODevice::ReadOnly)) return records;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.isEmpty()) continue;
            const QJsonDocument doc = QJsonDocument::fromJson(line);
            EXPECT_TRUE(doc.isObject()) << line.toStdString();
            records.push_back(doc.object());
        }
        return records;
    }

    TempWorkingDir dir;
    std::unique_ptr<SimProcess> sim;
};

TEST_F(SlowSwitcherEndTest, SigtermDuringTheStartUpReadSendsNoFurtherLineAndEndsWithZero) {
    for (bool follow : {false, true}) {
        SCOPED_TRACE(follow ? "following" : "not following");
        Start(300);
        PanelProcess panel(Com1(), follow ? QStringList{"--follow", "1"} : QStringList{});
        // The probe, then the read's first queries: the read is under way.
        ASSERT_TRUE(WaitForLines(4)) << sim->Output().toStdString();
        const int before = LinesReceived();
        panel.Send(SIGTERM);
        ASSERT_TRUE(panel.Ended());
        EXPECT_EQ(panel.Process().exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(panel.Process().exitCode(), 0);
        QThread::msleep(400);  // anything still on its way reaches the transcript
        EXPECT_LE(LinesReceived() - before, 1) << "at most the line already on its way when the signal came";
        const auto records = LogRecords();
        EXPECT_FALSE(records.empty()) << "the records of the start-up are written";
        sim.reset();
        QFile::remove(Transcript());
    }
}

TEST_F(SlowSwitcherEndTest, ASecondSignalEndsThePanelAtOnce) {
    Start(3000);
    PanelProcess panel(Com1());
    ASSERT_TRUE(WaitForLines(2)) << sim->Output().toStdString();
    panel.Send(SIGTERM);
    QThread::msleep(100);
    panel.Send(SIGTERM);
    ASSERT_TRUE(panel.Ended());
    // Ended by the signal itself, in the middle of a wait of three seconds; the first alone
    // would have ended it with 0 after that wait.
    EXPECT_EQ(panel.Process().exitStatus(), QProcess::CrashExit);
}

TEST_F(SlowSwitcherEndTest, ASignalWhileTheStartUpShowsABoxClosesItAndEndsWithZero) {
    Start(0);
    // Follow switched on at the start cannot be kept in the settings file: the box says so
    // before the event loop runs.
    PanelProcess panel(Com1(), {"--follow", "1", "--unwritable-settings"});
    ASSERT_TRUE(panel.Says("box open")) << panel.Output().toStdString();
    panel.Send(SIGTERM);
    ASSERT_TRUE(panel.Ended());
    EXPECT_EQ(panel.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(panel.Process().exitCode(), 0);
    EXPECT_TRUE(panel.Says("box closed")) << panel.Output().toStdString();
    EXPECT_EQ(LinesReceived(), 0) << "nothing was sent after the signal";
}

}  // namespace
}  // namespace vx::test
