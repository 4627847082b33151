// vxctl when the world around it misbehaves: its own output, signals, lost answers,
// hostile bytes. What it says must be true, and nothing it made pending stays behind.
#include <signal.h>

#include <QThread>
#include <algorithm>

#include "VxctlRun.h"

namespace vx::test {
namespace {

class VxctlFaults : public VxctlSession {};

// A report that cannot be written is a failed command, not an empty success.
TEST_F(VxctlFaults, AReportThatCannotBeWrittenExitsOneSayingWhy) {
    StartSim();
    const QStringList cases[] = {{"read", "--json"}, {"read"}, {"route", "1", "2", "--take", "--verify"}};
    for (const QStringList& args : cases) {
        const CtlResult r = Ctl(Via::Tcp, args, 60000, QStringLiteral("/dev/full"));
        EXPECT_EQ(r.Exit, 1) << args.join(' ').toStdString();
        EXPECT_NE(r.Err.find("could not write to standard output: No space left on device"),
                  std::string::npos)
            << args.join(' ').toStdString() << ": " << r.Err;
    }
    const CtlResult help = RunVxctl({"--help"}, 60000, QStringLiteral("/dev/full"));
    EXPECT_EQ(help.Exit, 1) << help.Err;
}

// A client that ends in the middle of a wait, however it ends, leaves the serial port
// free for the next one, as a real port would be once its descriptor is closed.
TEST_F(VxctlFaults, AClientEndedMidReadLeavesThePortFreeForTheNext) {
    StartSim({"--no-answer", "OINFOVX"});
    const struct {
        int Signal;
        int Exit;  // -1: killed, no exit status of its own
    } cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}, {SIGKILL, -1}};
    for (const auto& c : cases) {
        const auto before = Wire();
        const auto queries = std::count(before.begin(), before.end(), "OINFOVX");
        QProcess p;
        p.start(QStringLiteral(VXCTL_PATH), Link(Via::Serial) + QStringList{"read"});
        ASSERT_TRUE(p.waitForStarted(10000));
        // It waits for the answer to the route query that never comes.
        for (int k = 0; k < 400; ++k) {
            const auto wire = Wire();
            if (std::count(wire.begin(), wire.end(), "OINFOVX") > queries) break;
            QThread::msleep(25);
        }
        ::kill(static_cast<pid_t>(p.processId()), c.Signal);
        ASSERT_TRUE(p.waitForFinished(10000));
        const int exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        EXPECT_EQ(exit, c.Exit) << "signal " << c.Signal;
        if (c.Exit > 0)
            EXPECT_NE(p.readAllStandardError().indexOf("the link is closed"), -1) << "signal " << c.Signal;

        const CtlResult next = Ctl(Via::Serial, {"lock", "on"});
        EXPECT_EQ(next.Exit, 0) << "after signal " << c.Signal << ": " << next.Err;
    }
}

}  // namespace
}  // namespace vx::test
