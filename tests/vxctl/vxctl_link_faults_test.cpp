// vxctl when its link misbehaves under it: a read woken without data, an end of file, a
// hang-up, a local write error, an answer without its marker in reach, a port held by
// another program. Each is said as what it is, in terms of the link vxctl was given.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QThread>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "VxctlRun.h"

namespace vx::test {
namespace {

// vxctl with the fault shim preloaded and one fault chosen.
QProcessEnvironment WithFault(const QString& name, const QString& value) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_PRELOAD", LINK_FAULTS_PATH);
    // Under the address sanitizer the shim comes before its runtime; that is meant here.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    env.insert(name, value);
    return env;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class VxctlLinkFaults : public VxctlSession {
protected:
    // Waits, bounded, until the simulator has received the line.
    bool WaitForLine(const std::string& line) {
        for (int k = 0; k < 400; ++k) {
            const auto wire = Wire();
            if (std::find(wire.begin(), wire.end(), line) != wire.end()) return true;
            QThread::msleep(25);
        }
        return false;
    }
    // The device behind the simulator's serial end, as the lock file names it ("pts_5").
    std::string LockName() const {
        std::string name = std::filesystem::canonical(dir.Path() / "com1").string().substr(5);
        std::replace(name.begin(), name.end(), '/', '_');
        return name;
    }
};

// A read woken without data (EAGAIN) is tried again, not taken for a pulled adapter: with
// every other read failing so, the whole read and a command still go through.
TEST_F(VxctlLinkFaults, ReadsWokenWithoutDataOnTheSerialLineAreTriedAgain) {
    StartSim();
    const auto eagain = WithFault("VXFAULT_TTY_READ", "eagain");
    const CtlResult read = Ctl(Via::Serial, {"read", "--json"}, 60000, {}, eagain);
    EXPECT_EQ(read.Exit, 0) << read.Err;
    EXPECT_TRUE(Has(read.Out, "\"ok\": true")) << read.Out;
    const CtlResult lock = Ctl(Via::Serial, {"lock", "on"}, 60000, {}, eagain);
    EXPECT_EQ(lock.Exit, 0) << lock.Err;
    EXPECT_FALSE(Has(lock.Err, "closed")) << lock.Err;
}

// An end of file on the serial line is said to be one, not the text of a stale errno.
TEST_F(VxctlLinkFaults, AnEndOfFileOnTheSerialLineIsSaidToBeOne) {
    StartSim();
    const CtlResult r =
        Ctl(Via::Serial, {"lock", "on"}, 60000, {}, WithFault("VXFAULT_TTY_READ", "eof:FPLOCK"));
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r.Err, "FPLOCK 1: the link to " + Path("com1").toStdString() +
                               " failed: end of file on the serial line"))
        << r.Err;
    EXPECT_FALSE(Has(r.Err, "ioctl")) << r.Err;
}

// The serial end hung up while vxctl waits, for a command's answer (a blocking read) or a
// status query's (read as it comes): a hang-up, named with the path, not the panel's COM1.
TEST_F(VxctlLinkFaults, AHangUpOnTheSerialLineIsSaidToBeOne) {
    const struct {
        const char* Silent;  // the keyword the simulator leaves unanswered
        QStringList Args;
    } cases[] = {{"FPLOCK", {"lock", "on"}}, {"OINFOVX", {"read"}}};
    for (const auto& c : cases) {
        StartSim({"--no-answer", c.Silent});
        QProcess p;
        p.start(QStringLiteral(VXCTL_PATH), Link(Via::Serial) + c.Args);
        ASSERT_TRUE(p.waitForStarted(10000));
        ASSERT_TRUE(WaitForLine(c.Silent + std::string(c.Args[0] == "lock" ? " 1" : ""))) << c.Silent;
        ASSERT_TRUE(sim->Signal(SIGUSR1, "serial hung up"));
        ASSERT_TRUE(p.waitForFinished(30000)) << c.Silent;
        const std::string err = p.readAllStandardError().toStdString();
        EXPECT_EQ(p.exitCode(), 1) << c.Silent;
        EXPECT_TRUE(Has(err, "hang-up on the serial line")) << c.Silent << ": " << err;
        EXPECT_TRUE(Has(err, Path("com1").toStdString())) << err;
        EXPECT_FALSE(Has(err, "COM")) << err;
        sim.reset();
    }
}

// A write that fails on this side of the connection is that, at once: not a silence of
// 5000 ms, nor the switcher closing the connection.
TEST_F(VxctlLinkFaults, ALocalWriteErrorOverTcpIsSaidToBeOne) {
    StartSim();
    const CtlResult r =
        Ctl(Via::Tcp, {"route", "3", "5"}, 60000, {}, WithFault("VXFAULT_SOCKET_WRITE", "RTEMP"));
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r.Err, "RTEMP 3 5: the link to 127.0.0.1:")) << r.Err;
    EXPECT_TRUE(Has(r.Err, "failed: ")) << r.Err;
    EXPECT_FALSE(Has(r.Err, "5000 ms")) << r.Err;
    EXPECT_FALSE(Has(r.Err, "closed the connection")) << r.Err;
}

// An answer whose marker lies beyond where the panel looks for it came all the same.
TEST_F(VxctlLinkFaults, AnAnswerWithItsMarkerOutOfReachIsNotASilence) {
    StartSim({"--lead-in", "40"});
    for (const Via via : {Via::Tcp, Via::Serial}) {
        const CtlResult r = Ctl(via, {"read"});
        EXPECT_EQ(r.Exit, 1) << ViaName(via);
        EXPECT_TRUE(Has(r.Err,
                        "an answer to MINFOVX came without its marker in reach: its marker (0x01) is at "
                        "byte 41, beyond the first 30"))
            << ViaName(via) << ": " << r.Err;
        EXPECT_FALSE(Has(r.Err, "did not answer")) << r.Err;
    }
}

// A device that opens but gives no prompt, silent or failing in the connect test, is
// spoken of by the path vxctl was given, not as the panel's COM1.
TEST_F(VxctlLinkFaults, ADeviceThatGivesNoPromptIsNamedByItsPath) {
    const std::string device = Path("com1").toStdString();
    const struct {
        QStringList Sim;
        QProcessEnvironment Env;
        std::string Said;
    } cases[] = {
        {{"--silent"}, {}, "no switcher answered on " + device + " (no prompt came within"},
        {{},
         WithFault("VXFAULT_TTY_READ", "eof:\r"),
         "the serial device " + device +
             " failed while waiting for a prompt: end of file on the serial line"},
    };
    for (const auto& c : cases) {
        StartSim(c.Sim);
        const CtlResult r = Ctl(Via::Serial, {"lock", "on"}, 60000, {}, c.Env);
        EXPECT_EQ(r.Exit, 1);
        EXPECT_TRUE(Has(r.Err, c.Said)) << r.Err;
        EXPECT_FALSE(Has(r.Err, "COM")) << r.Err;
        EXPECT_TRUE(Commands().empty()) << "nothing sent after a failed connect";
        sim.reset();
    }
}

// A port another program holds in exclusive mode is in use, for the administrator too,
// whose own open the flag does not stop.
TEST_F(VxctlLinkFaults, APortHeldInExclusiveModeIsInUse) {
    StartSim();
    const int fd = ::open((dir.Path() / "com1").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ioctl(fd, TIOCEXCL), 0);
    const CtlResult r = Ctl(Via::Serial, {"lock", "on"});
    ::close(fd);
    EXPECT_EQ(r.Exit, 1);
    EXPECT_TRUE(Has(r.Err, "cannot use the serial device " + Path("com1").toStdString() +
                               ": in use: another program holds it in exclusive mode"))
        << r.Err;
}

// A lock file in the lock folder keeps the port shut: held by a live process, or, when it
// holds no process id, for good. Both are named with the file.
TEST_F(VxctlLinkFaults, ALockFileOnThePortIsNamedWithWhatItHolds) {
    StartSim();
    const std::filesystem::path folder = "/var/lock";
    if (::access(folder.c_str(), W_OK) != 0) GTEST_SKIP() << "the lock folder cannot be written here";
    const std::filesystem::path lock = folder / ("LCK.." + LockName());
    ASSERT_FALSE(std::filesystem::exists(lock)) << lock;
    struct Removed {
        std::filesystem::path Path;
        ~Removed() { std::filesystem::remove(Path); }
    } removed{lock};
    // A lock the port library honours names the process, the program and the host.
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").filename().string();
    const struct {
        std::string Content;
        std::string Said;
    } cases[] = {{std::to_string(::getpid()) + "\n" + program + "\n" + host + "\n",
                  "held by process " + std::to_string(::getpid()) + " (lock file " + lock.string() + ")"},
                 {"not a pid\n", "locked by the lock file " + lock.string() + ", which holds no process id"}};
    for (const auto& c : cases) {
        std::ofstream(lock) << c.Content;
        const CtlResult r = Ctl(Via::Serial, {"lock", "on"});
        EXPECT_EQ(r.Exit, 1) << c.Content;
        EXPECT_TRUE(Has(r.Err, "cannot use the serial device " + Path("com1").toStdString() + ": " + c.Said))
            << r.Err;
    }
}

}  // namespace
}  // namespace vx::test
