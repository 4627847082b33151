#include "EndOnSignals.h"

#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstring>

namespace vxctl {
namespace {

int highestFd = 1024;

void WriteText(const char* text) {
    [[maybe_unused]] const auto n = ::write(STDERR_FILENO, text, std::strlen(text));
}

// Only async-signal-safe calls. The only terminal vxctl opens beyond the standard three
// is the serial port, so clearing exclusive mode on every other descriptor is clearing
// it there (on anything else the call fails harmlessly). Closing the descriptors at exit
// then frees the port and closes a TCP connection.
void EndNow(int sig) {
    for (int fd = 3; fd <= highestFd; ++fd) ::ioctl(fd, TIOCNXCL);
    WriteText(sig == SIGINT    ? "vxctl: interrupted (SIGINT), the link is closed\n"
              : sig == SIGTERM ? "vxctl: terminated (SIGTERM), the link is closed\n"
                               : "vxctl: hung up (SIGHUP), the link is closed\n");
    ::_exit(128 + sig);
}

}  // namespace

void EndOnSignals(std::initializer_list<int> which) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < 65536)
        highestFd = static_cast<int>(limit.rlim_cur) - 1;
    struct sigaction action {};
    action.sa_handler = EndNow;
    sigemptyset(&action.sa_mask);
    for (int sig : which) sigaddset(&action.sa_mask, sig);
    for (int sig : which) ::sigaction(sig, &action, nullptr);
}

}  // namespace vxctl
