#include "platform/SerialOpenProblem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/SerialPortInUse.h"

namespace vx::platform {
namespace {

std::string OpenErrorText(int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "no such device";
        case EACCES:
        case EPERM:
            return "permission denied (the user may need to be in the group that owns the device)";
        case EBUSY:
            return "in use: another program holds it in exclusive mode";
        case EMFILE:
        case ENFILE:
            return "too few file descriptors left to open it";
        default:
            return std::strerror(error);
    }
}

bool ProcessRuns(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// What the lock file's first line, the process id, says about the device. A lock of this
// process is none: the panel's own port is reported as its own elsewhere.
std::string LockFileProblem(const std::string& lock) {
    std::ifstream file(lock);
    if (!file) return {};
    long pid = 0;
    if (!(file >> pid) || pid <= 0) return "locked by the lock file " + lock + ", which holds no process id";
    if (pid == ::getpid()) return {};
    if (ProcessRuns(pid)) return "held by process " + std::to_string(pid) + " (lock file " + lock + ")";
    // An older one is taken over by the next open: it is not what refused the port.
    const QDateTime written = QFileInfo(QString::fromStdString(lock)).lastModified();
    const QDateTime expires = written.addSecs(StaleLockAge.count());
    if (expires <= QDateTime::currentDateTime()) return {};
    return "locked by the lock file " + lock + " left by process " + std::to_string(pid) +
           ", which has ended; the lock expires at " + expires.toString("HH:mm:ss").toStdString() + " (" +
           std::to_string(StaleLockAge.count()) + " s after it was written)";
}

}  // namespace

std::string SerialLockFileName(const std::string& canonicalPath) {
    std::string name = canonicalPath.rfind("/dev/", 0) == 0 ? canonicalPath.substr(5) : canonicalPath;
    for (char& c : name)
        if (c == '/') c = '_';
    return "LCK.." + name;
}

const std::vector<std::string>& SerialLockFolders() {
    static const std::vector<std::string> folders = {
        "/var/lock",         "/etc/locks", "/var/spool/locks",
        "/var/spool/uucp",   "/tmp",       "/var/tmp",
        "/var/lock/lockdev", "/run/lock",  QDir::tempPath().toStdString()};
    return folders;
}

std::string SerialOpenProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return OpenErrorText(errno);
    if (S_ISDIR(st.st_mode)) return "a directory, not a serial device";
    if (!S_ISCHR(st.st_mode)) return "not a device (a serial port is a character device)";
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return OpenErrorText(errno);
    const bool terminal = ::isatty(fd) != 0;
    ::close(fd);
    if (!terminal) return "not a terminal (not a serial device)";
    // The device is locked under its own name, whatever link it was reached through.
    const QString canonical = QFileInfo(QString::fromStdString(path)).canonicalFilePath();
    const std::string device = canonical.isEmpty() ? path : canonical.toStdString();
    for (const std::string& folder : SerialLockFolders())
        if (std::string problem = LockFileProblem(folder + "/" + SerialLockFileName(device));
            !problem.empty())
            return problem;
    if (HeldExclusively(QString::fromStdString(device))) return OpenErrorText(EBUSY);
    return {};
}

}  // namespace vx::platform
