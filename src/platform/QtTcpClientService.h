#pragma once
// The TCP client service over QTcpSocket. (Placeholder until the real adapter lands:
// it never connects.)
#include <string>

#include "link/Ports.h"

namespace vx::platform {

class QtTcpClientService : public TcpClientService {
public:
    void SetListener(TcpClientListener* l) override { listener_ = l; }
    void SetRemote(const std::string&, int) override {}
    void Open() override {}
    void Close() override {}
    bool IsActive() const override { return false; }
    void Send(std::string_view) override {}
    bool WaitForData(int) override { return false; }
    std::size_t Read(std::uint8_t*, std::size_t, int) override { return 0; }

private:
    TcpClientListener* listener_ = nullptr;
};

}  // namespace vx::platform
