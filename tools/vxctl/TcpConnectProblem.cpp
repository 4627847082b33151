#include "TcpConnectProblem.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vxctl {
namespace {

// 0 when connected, else the errno of the attempt (ETIMEDOUT when limitMs ran out).
int TryConnect(const addrinfo& a, int limitMs) {
    const int fd = ::socket(a.ai_family, a.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a.ai_protocol);
    if (fd < 0) return errno;
    int error = 0;
    if (::connect(fd, a.ai_addr, a.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            error = ETIMEDOUT;
            if (::poll(&p, 1, limitMs) == 1) {
                socklen_t len = sizeof error;
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len);
            }
        }
    }
    ::close(fd);
    return error;
}

}  // namespace

std::string TcpConnectProblem(const std::string& host, int port, int limitMs) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (const int rc = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found); rc != 0)
        return std::string("unknown host (") + ::gai_strerror(rc) + ")";
    const int error = TryConnect(*found, limitMs);
    ::freeaddrinfo(found);
    switch (error) {
        case 0:
            return {};
        case ECONNREFUSED:
            return "the connection was refused (nothing listens on that port)";
        case ETIMEDOUT:
            return "no answer to the connection within " + std::to_string(limitMs) + " ms";
        case ENETUNREACH:
        case EHOSTUNREACH:
            return std::string("the address cannot be reached (") + std::strerror(error) + ")";
        case EMFILE:
        case ENFILE:
            return "too few file descriptors left for a connection";
        default:
            return std::strerror(error);
    }
}

}  // namespace vxctl
