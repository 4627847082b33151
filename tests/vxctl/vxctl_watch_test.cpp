// vxctl watch against the simulator: one line per change made by another client, a clean
// end on SIGTERM, and exit status 1 when the link is lost.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpSocket>
#include <QTest>

#include "VxctlRun.h"

namespace vx::test {
namespace {

class VxctlWatch : public VxctlSession {
protected:
    void StartWatch(const QStringList& args) {
        watch.setProgram(QStringLiteral(VXCTL_PATH));
        watch.setArguments(Link(Via::Tcp) + QStringList{"watch", "--interval", "1"} + args);
        watch.start();
        ASSERT_TRUE(watch.waitForStarted(5000));
        // Watching once the first poll has been made (the read before it comes first).
        ASSERT_TRUE(QTest::qWaitFor([&] { return Count("OINFOVX") >= 2; }, 5000));
    }
    long Count(const std::string& line) const {
        const auto w = Wire();
        return std::count(w.begin(), w.end(), line);
    }
    bool AnotherClientSends(const QByteArray& lines) {
        QTcpSocket other;
        other.connectToHost("127.0.0.1", static_cast<quint16>(sim->TcpPort()));
        if (!other.waitForConnected(2000)) return false;
        other.write(lines);
        QByteArray answers;
        for (int tries = 0; tries < 20 && answers.count('#') < lines.count('\r'); ++tries) {
            other.waitForReadyRead(200);
            answers += other.readAll();
        }
        return answers.count('#') >= lines.count('\r');
    }
    // The next line vxctl prints, waited for within limitMs.
    QByteArray NextLine(int limitMs = 4000) {
        QTest::qWaitFor([&] { return watch.canReadLine() || watch.state() == QProcess::NotRunning; },
                        limitMs);
        return watch.readLine().trimmed();
    }
    void TearDown() override {
        if (watch.state() != QProcess::NotRunning) {
            watch.kill();
            watch.waitForFinished(3000);
        }
    }
    QProcess watch;
};

TEST_F(VxctlWatch, PrintsOneJsonObjectPerChangeAndEndsCleanlyOnSigterm) {
    StartSim();
    StartWatch({"--json"});
    ASSERT_TRUE(AnotherClientSends("RTEMP 3 7\r"));
    const QJsonObject pending = QJsonDocument::fromJson(NextLine()).object();
    EXPECT_EQ(pending.value("output").toInt(), 3);
    EXPECT_EQ(pending.value("inputAfter").toInt(), 7);
    EXPECT_EQ(pending.value("state").toString(), "pending");
    EXPECT_FALSE(pending.value("time").toString().isEmpty());
    EXPECT_TRUE(pending.contains("inputBefore"));
    ASSERT_TRUE(AnotherClientSends("TAKE 1\r"));
    const QJsonObject taken = QJsonDocument::fromJson(NextLine()).object();
    EXPECT_EQ(taken.value("output").toInt(), 3);
    EXPECT_EQ(taken.value("state").toString(), "in force");

    watch.terminate();  // SIGTERM
    ASSERT_TRUE(watch.waitForFinished(5000));
    EXPECT_EQ(watch.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(watch.exitCode(), 0) << watch.readAllStandardError().toStdString();
}

TEST_F(VxctlWatch, ALostLinkEndsWithStatusOne) {
    StartSim();
    StartWatch({});
    sim.reset();  // the switcher goes away with its connection
    ASSERT_TRUE(watch.waitForFinished(8000));
    EXPECT_EQ(watch.exitCode(), 1);
    EXPECT_NE(watch.readAllStandardError().indexOf("was lost"), -1);
}

}  // namespace
}  // namespace vx::test
