#pragma once
// The switcher's TCP port: a listening socket that hands out client connections.
#include <cstddef>
#include <string>

#include "Options.h"

namespace vxsim {

// TCP clients served at once; one more is refused with TooManyClientsLine() and closed.
inline constexpr std::size_t MaxTcpClients = 64;
std::string TooManyClientsLine();

class TcpServer {
public:
    TcpServer() = default;
    ~TcpServer();
    TcpServer(const TcpServer&) = delete;
    TcpServer& operator=(const TcpServer&) = delete;

    // Binds and listens; on failure returns false and says why in error.
    bool Listen(const TcpEndpoint& endpoint, std::string& error);
    int Fd() const { return fd_; }
    int Port() const { return port_; }
    // A new non-blocking client socket, or -1 when none is waiting (error 0) or the
    // accept failed (error holds errno: EMFILE and the like when descriptors run out).
    int Accept(int& error);
    // Tells a client beyond the limit so, in one line, and closes it.
    static void Refuse(int fd);

private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace vxsim
