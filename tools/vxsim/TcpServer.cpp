#include "TcpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vxsim {

std::string TooManyClientsLine() {
    return "ERR too many clients: this switcher serves " + std::to_string(MaxTcpClients) +
           " TCP clients at once\r\n";
}

TcpServer::~TcpServer() {
    if (fd_ >= 0) ::close(fd_);
}

bool TcpServer::Listen(const TcpEndpoint& endpoint, std::string& error) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<std::uint16_t>(endpoint.Port));
    ::inet_pton(AF_INET, endpoint.Address.c_str(), &addr.sin_addr);
    if (::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd_, 16) != 0) {
        error = "cannot listen on " + endpoint.Address + ":" + std::to_string(endpoint.Port) + ": " +
                std::strerror(errno);
        return false;
    }
    socklen_t len = sizeof addr;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    return true;
}

int TcpServer::Accept(int& error) {
    error = 0;
    const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK) error = errno;
        return -1;
    }
    // Each answer piece leaves at once, so the --chunk pieces really arrive apart.
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return fd;
}

void TcpServer::Refuse(int fd) {
    const std::string line = TooManyClientsLine();
    (void)::send(fd, line.data(), line.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    // Whatever the client has sent already is read away, so that the close does not
    // reset the connection and take the line with it.
    char sink[512];
    for (int i = 0; i < 16 && ::recv(fd, sink, sizeof sink, MSG_DONTWAIT) > 0; ++i) {
    }
    ::shutdown(fd, SHUT_WR);
    ::close(fd);
}

}  // namespace vxsim
