#include "SerialOpenProblem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>

namespace vxctl {
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

// The lock file the serial port takes for the device, named as the port library names it
// (UUCP style: "LCK.." and the device's name under /dev with '/' as '_'), in the first of
// the usual lock folders where it is, or could be made. Only that one keeps the port shut.
std::string PortLockFile(const std::string& path) {
    char real[PATH_MAX];
    std::string name = ::realpath(path.c_str(), real) ? real : path;
    if (name.rfind("/dev/", 0) == 0) name.erase(0, 5);
    std::replace(name.begin(), name.end(), '/', '_');
    for (const char* dir : {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp", "/tmp",
                            "/var/tmp", "/var/lock/lockdev", "/run/lock"}) {
        const std::string lock = std::string(dir) + "/LCK.." + name;
        if (::access(dir, R_OK) == 0 && (::access(lock.c_str(), F_OK) == 0 || ::access(dir, W_OK) == 0))
            return lock;
    }
    return {};
}

std::string LockProblem(const std::string& path) {
    const std::string lock = PortLockFile(path);
    std::ifstream file(lock);
    if (lock.empty() || !file) return {};
    long pid = 0;
    if (!(file >> pid) || pid <= 0) return "locked by the lock file " + lock + ", which holds no process id";
    if (pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM))
        return "held by process " + std::to_string(pid) + " (lock file " + lock + ")";
    return {};
}

}  // namespace

std::string SerialOpenProblem(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return OpenErrorText(errno);
    if (S_ISDIR(st.st_mode)) return "a directory, not a serial device";
    if (!S_ISCHR(st.st_mode)) return "not a device (a serial port is a character device)";
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return OpenErrorText(errno);
    const bool terminal = ::isatty(fd) != 0;
    // The administrator's open passes a port held in exclusive mode; the flag still tells.
    int exclusive = 0;
    const bool held = terminal && ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    ::close(fd);
    if (!terminal) return "not a terminal (not a serial device)";
    if (held) return OpenErrorText(EBUSY);
    return LockProblem(path);
}

}  // namespace vxctl
