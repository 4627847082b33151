#include "PtyEnd.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace vxsim {

namespace {

bool IsRaw(const termios& t) {
    return !(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN)) &&
           !(t.c_iflag & (ICRNL | INLCR | IGNCR | IXON | ISTRIP)) && !(t.c_oflag & OPOST);
}

}  // namespace

PtyEnd::~PtyEnd() {
    Close();
}

void PtyEnd::Close() {
    RemoveLink();
    if (watch_ >= 0) ::close(watch_);
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    watch_ = slave_ = master_ = -1;
    clients_ = 0;
}

bool PtyEnd::Open(const std::string& linkPath, std::string& error) {
    if (OpenEnds(linkPath, error)) return true;
    // Nothing half-open is kept: IsOpen() stays false and the next Open starts afresh.
    Close();
    return false;
}

bool PtyEnd::OpenEnds(const std::string& linkPath, std::string& error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[PATH_MAX] = {};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = "cannot open " + slavePath_ + ": " + std::strerror(errno);
        return false;
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    KeepRaw();
    // Our own descriptor is open before the watch starts, so every event is a client's.
    watch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ < 0 || ::inotify_add_watch(watch_, name, IN_OPEN | IN_CLOSE) < 0) {
        error = std::string("cannot watch ") + slavePath_ + ": " + std::strerror(errno);
        return false;
    }

    // A symlink left by an earlier run is replaced; anything else at the path is kept.
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = linkPath + " exists and is not a symlink";
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
        error = "cannot create the symlink " + linkPath + ": " + std::strerror(errno);
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyEnd::KeepRaw() {
    termios t{};
    if (slave_ < 0 || ::tcgetattr(slave_, &t) != 0 || IsRaw(t)) return;
    const speed_t in = ::cfgetispeed(&t), out = ::cfgetospeed(&t);
    const tcflag_t flow = t.c_cflag & CRTSCTS;
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, in);
    ::cfsetospeed(&t, out);
    t.c_cflag |= flow;
    ::tcsetattr(slave_, TCSANOW, &t);
}

void PtyEnd::ClientsOpenedOrClosed() {
    alignas(inotify_event) char buffer[4096];
    bool closed = false;
    for (;;) {
        const ssize_t n = ::read(watch_, buffer, sizeof buffer);
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            if (e->mask & IN_OPEN) ++clients_;
            if (e->mask & IN_CLOSE) {
                clients_ = clients_ > 0 ? clients_ - 1 : 0;
                closed = true;
            }
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    }
    if (closed && clients_ == 0) ::ioctl(slave_, TIOCNXCL);
}

void PtyEnd::RemoveLink() {
    if (linkPath_.empty()) return;
    char target[PATH_MAX] = {};
    const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
    if (n > 0 && slavePath_ == std::string(target, static_cast<std::size_t>(n))) ::unlink(linkPath_.c_str());
    linkPath_.clear();
}

}  // namespace vxsim
