#pragma once
// The switcher's TCP port: a listening socket that hands out client connections.
#include <string>

#include "Options.h"

namespace vxsim {

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
    // A new non-blocking client socket, or -1 when none is waiting.
    int Accept();

private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace vxsim
