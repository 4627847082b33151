// What the panel and vxctl say about a serial device they could not use: the lock file's
// name as QSerialPort gives it, and what a lock file beside a real pseudo-terminal says
// about the process that left it.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QDateTime>
#include <QFileInfo>
#include <fstream>
#include <string>

#include "platform/SerialOpenProblem.h"

namespace vx::test {
namespace {

using platform::SerialLockFileName;
using platform::SerialOpenProblem;

TEST(SerialLockFileName, IsThePathAfterDevWithSlashesAsUnderscores) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"/dev/ttyUSB0", "LCK..ttyUSB0"},
        {"/dev/pts/3", "LCK..pts_3"},
        {"/dev/serial/by-id/usb-x", "LCK..serial_by-id_usb-x"},
        {"/tmp/vxcom1", "LCK.._tmp_vxcom1"},
    };
    for (const auto& c : cases) EXPECT_EQ(SerialLockFileName(c.path), c.name) << c.path;
}

// A pseudo-terminal standing for the port, and a lock file for it where QSerialPort puts
// one: the first of its folders that can be written.
class SerialLockTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[256] = {};
        ASSERT_EQ(::openpty(&master, &slave, name, nullptr, nullptr), 0);
        device = name;
        for (const auto& folder : platform::SerialLockFolders())
            if (::access(folder.c_str(), W_OK) == 0) {
                lock = folder + "/" + SerialLockFileName(device);
                break;
            }
        ASSERT_FALSE(lock.empty());
    }
    void TearDown() override {
        ::unlink(lock.c_str());
        ::close(slave);
        ::close(master);
    }
    void WriteLock(const std::string& firstLine, int ageSeconds = 0) const {
        std::ofstream(lock) << firstLine << "\nvxpanel\n"
                            << "host\n";
        if (ageSeconds == 0) return;
        const time_t when = ::time(nullptr) - ageSeconds;
        const utimbuf times{when, when};
        ::utime(lock.c_str(), &times);
    }
    // A process id that no process has any more.
    static pid_t EndedProcess() {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(0);
        ::waitpid(pid, nullptr, 0);
        return pid;
    }

    int master = -1, slave = -1;
    std::string device, lock;
};

TEST_F(SerialLockTest, NoLockFileNoProblem) {
    EXPECT_EQ(SerialOpenProblem(device), "");
}

TEST_F(SerialLockTest, ALiveProcessIsNamedWithItsLockFile) {
    const pid_t holder = ::getppid();  // whoever started the tests runs on
    WriteLock(std::to_string(holder));
    EXPECT_EQ(SerialOpenProblem(device),
              "held by process " + std::to_string(holder) + " (lock file " + lock + ")");
}

TEST_F(SerialLockTest, ALockLeftByAnEndedProcessSaysWhenItExpires) {
    const pid_t gone = EndedProcess();
    WriteLock(std::to_string(gone));
    const QString expires =
        QFileInfo(QString::fromStdString(lock)).lastModified().addSecs(30).toString("HH:mm:ss");
    EXPECT_EQ(SerialOpenProblem(device), "locked by the lock file " + lock + " left by process " +
                                             std::to_string(gone) +
                                             ", which has ended; the lock expires at " +
                                             expires.toStdString() + " (30 s after it was written)");
}

TEST_F(SerialLockTest, LocksThatRefuseNothingSayNothing) {
    // Expired: the next open takes it over. Our own: reported as the panel's own port.
    WriteLock(std::to_string(EndedProcess()), 120);
    EXPECT_EQ(SerialOpenProblem(device), "");
    WriteLock(std::to_string(::getpid()));
    EXPECT_EQ(SerialOpenProblem(device), "");
}

TEST_F(SerialLockTest, ALockWithoutAProcessIdIsNamed) {
    WriteLock("garbage");
    EXPECT_EQ(SerialOpenProblem(device), "locked by the lock file " + lock + ", which holds no process id");
}

}  // namespace
}  // namespace vx::test
