#pragma once
// The serial-port service over QSerialPort. (Placeholder until the real adapter lands:
// no port is ever available.)
#include "link/Ports.h"

namespace vx::platform {

class QtSerialPortService : public SerialPortService {
public:
    void SetListener(SerialPortListener* l) override { listener_ = l; }
    bool IsAvailable(int) override { return false; }
    void SelectPort(int n) override { port_ = n; }
    int PortNumber() const override { return port_; }
    void Open() override { throw LinkError("no serial port"); }
    void Close() override {}
    bool IsOpen() const override { return false; }
    void SetBaud(int) override {}
    void SetHardwareFlowControl(bool, bool) override {}
    std::uint16_t OutputFree() const override { return 0; }
    void Write(std::string_view) override {}
    void FlushInput() override {}
    int ReadByte(int) override { return -1; }
    std::size_t Read(std::uint8_t*, std::size_t) override { return 0; }
    void SetLineMonitoring(bool) override {}

private:
    SerialPortListener* listener_ = nullptr;
    int port_ = 1;
};

}  // namespace vx::platform
