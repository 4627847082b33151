// Faults on a program's links that need no privileges to make, preloaded into vxctl by a
// test (LD_PRELOAD). Each is chosen by an environment variable:
//   VXFAULT_TTY_READ=eagain    every other read on a terminal fails with EAGAIN, the first one
//                              included, as a read woken without data does
//   VXFAULT_TTY_READ=eof:TEXT  once a line holding TEXT was written to a terminal, every read
//                              on it ends at once with end of file
//   VXFAULT_SOCKET_WRITE=TEXT  a write holding TEXT on a network socket fails with ENOBUFS,
//                              a local error of a host out of buffers
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

template <class F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

int ttyReads = 0;
bool ttyAtEnd = false;

// Asking about a descriptor must not leave an errno of its own behind.
bool IsTerminal(int fd) {
    const int saved = errno;
    termios t{};
    const bool yes = tcgetattr(fd, &t) == 0;
    errno = saved;
    return yes;
}

bool IsNetworkSocket(int fd) {
    const int saved = errno;
    int domain = 0;
    socklen_t len = sizeof domain;
    const bool yes = getsockopt(fd, SOL_SOCKET, SO_DOMAIN, &domain, &len) == 0 &&
                     (domain == AF_INET || domain == AF_INET6);
    errno = saved;
    return yes;
}

bool Holds(const void* data, std::size_t n, const char* text) {
    return text && *text && memmem(data, n, text, std::strlen(text)) != nullptr;
}

const char* TtyEofText() {
    const char* mode = std::getenv("VXFAULT_TTY_READ");
    return mode && std::strncmp(mode, "eof:", 4) == 0 ? mode + 4 : nullptr;
}

// True when this write on a network socket is to fail.
bool FailSocketWrite(int fd, const void* data, std::size_t n) {
    if (!Holds(data, n, std::getenv("VXFAULT_SOCKET_WRITE")) || !IsNetworkSocket(fd)) return false;
    errno = ENOBUFS;
    return true;
}

void SeeTtyWrite(int fd, const void* data, std::size_t n) {
    if (Holds(data, n, TtyEofText()) && IsTerminal(fd)) ttyAtEnd = true;
}

}  // namespace

extern "C" {

ssize_t read(int fd, void* buf, size_t n) {
    static const auto next = Next<ssize_t (*)(int, void*, size_t)>("read");
    const char* mode = std::getenv("VXFAULT_TTY_READ");
    if (mode && IsTerminal(fd)) {
        if (std::strcmp(mode, "eagain") == 0 && ttyReads++ % 2 == 0) {
            errno = EAGAIN;
            return -1;
        }
        if (ttyAtEnd) return 0;
    }
    return next(fd, buf, n);
}

ssize_t write(int fd, const void* data, size_t n) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t)>("write");
    if (FailSocketWrite(fd, data, n)) return -1;
    SeeTtyWrite(fd, data, n);
    return next(fd, data, n);
}

ssize_t send(int fd, const void* data, size_t n, int flags) {
    static const auto next = Next<ssize_t (*)(int, const void*, size_t, int)>("send");
    if (FailSocketWrite(fd, data, n)) return -1;
    return next(fd, data, n, flags);
}

ssize_t sendto(int fd, const void* data, size_t n, int flags, const sockaddr* to, socklen_t len) {
    static const auto next =
        Next<ssize_t (*)(int, const void*, size_t, int, const sockaddr*, socklen_t)>("sendto");
    if (FailSocketWrite(fd, data, n)) return -1;
    return next(fd, data, n, flags, to, len);
}

ssize_t sendmsg(int fd, const msghdr* msg, int flags) {
    static const auto next = Next<ssize_t (*)(int, const msghdr*, int)>("sendmsg");
    for (std::size_t k = 0; k < msg->msg_iovlen; ++k)
        if (FailSocketWrite(fd, msg->msg_iov[k].iov_base, msg->msg_iov[k].iov_len)) return -1;
    return next(fd, msg, flags);
}

ssize_t writev(int fd, const iovec* iov, int count) {
    static const auto next = Next<ssize_t (*)(int, const iovec*, int)>("writev");
    for (int k = 0; k < count; ++k) {
        if (FailSocketWrite(fd, iov[k].iov_base, iov[k].iov_len)) return -1;
        SeeTtyWrite(fd, iov[k].iov_base, iov[k].iov_len);
    }
    return next(fd, iov, count);
}

}  // extern "C"
