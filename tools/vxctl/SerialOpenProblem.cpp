#include "SerialOpenProblem.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// The lock files a serial program leaves beside the port (UUCP style, "LCK..name").
std::string LockProblem(const std::string& path) {
    const std::string name = path.substr(path.find_last_of('/') + 1);
    const char* tmp = std::getenv("TMPDIR");
    for (const std::string dir :
         {std::string("/var/lock"), std::string("/run/lock"), std::string(tmp && *tmp ? tmp : "/tmp")}) {
        const std::string lock = dir + "/LCK.." + name;
        std::ifstream file(lock);
        if (!file) continue;
        long pid = 0;
        if (!(file >> pid) || pid <= 0)
            return "locked by the lock file " + lock + ", which holds no process id";
        if (pid != ::getpid() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM))
            return "held by process " + std::to_string(pid) + " (lock file " + lock + ")";
    }
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
    ::close(fd);
    if (!terminal) return "not a terminal (not a serial device)";
    return LockProblem(path);
}

}  // namespace vxctl
