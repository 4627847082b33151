#pragma once
// The RS-232 transport: probing COM1..COM4 for a switcher, the status query with its
// reply collector, the watchdog Timer1 and the serial menu items.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "link/Exchanges.h"
#include "link/LinkContext.h"
#include "link/SerialLinkView.h"
#include "link/WatchdogRun.h"

namespace vx {

// Results of ProbeSerialPort.
inline constexpr int ProbeAnswered = 0;
inline constexpr int ProbeUnavailable = -1;
inline constexpr int ProbeOpenFailed = -2;
inline constexpr int ProbePortFailed = -3;
inline constexpr int ProbeNoPrompt = -4;

inline constexpr const char* NoComNumberText = "None";
inline constexpr const char* EstablishedText = "Established communication with Vextaro on Com ";
inline constexpr const char* EthernetTimeoutText =
    "Error! Timeout occured. Unable to communicate with Vextaro. Please verify that Ethernet is "
    "connected to Vextaro.";
inline constexpr const char* SerialTimeoutText =
    "Error! Timeout occured. Unable to communicate with Vextaro. Please verify that Serial Port is "
    "connected to Vextaro.";
inline constexpr const char* ReplyTooLongText = "Error! The answer from Vextaro does not fit the reply buffer.";

std::string PortBusyText(int n);        // the open failed
std::string PortLostText(int n);        // the port went away while open
std::string PortNotRespondingText(int n);  // the port failed during the test

class SerialLink : public SerialPortListener {
public:
    SerialLink(LinkContext& ctx, Exchanges& exchanges, SerialLinkView& view)
        : c_(ctx), x_(exchanges), view_(view) {}

    // Makes this link the port's listener and Timer1Timer the watchdog's handler.
    void Attach();

    int ProbeSerialPort(int n);
    int ConnectSerial(int n);  // n = 0: COM1..COM4 in turn; 1 when a port answered, else -1
    void SetSerialLinkActive(bool on);
    // Why the ports of the last ConnectSerial could not be used, one line each ("COM1,
    // /dev/ttyS0: held by process 4242 ..."), for the message that says it failed.
    const std::vector<std::string>& ProbeProblems() const { return probeProblems_; }
    void SerialQuery();
    void SerialReplyCollector(std::size_t count);
    void Timer1Timer();

    void ApdComPort1PortOpen() { c_.Model.SerialPortOpen = 1; }
    void ApdComPort1PortClose() { c_.Model.SerialPortOpen = 0; }
    void ApdComPort1TriggerAvail(std::size_t count) { SerialReplyCollector(count); }
    void N192001Click() { c_.Serial.SetBaud(19200); }
    void N384001Click() { c_.Serial.SetBaud(38400); }
    void N576001Click() { c_.Serial.SetBaud(57600); }

    void PortOpened() override {
        ++c_.Link.LinkOpenings;
        ApdComPort1PortOpen();
    }
    void PortClosed() override { ApdComPort1PortClose(); }
    void DataAvailable(std::size_t count) override { ApdComPort1TriggerAvail(count); }
    // A lost port is closed as a closed port is, the serial link given up, a waiting query
    // failed at once, and the operator told once.
    void PortLost() override;
    // Connection management puts the menus right after a loss.
    void SetPortLostHandler(std::function<void()> handler) { onLost_ = std::move(handler); }

private:
    // Keeps the window alive until done() holds or the watchdog fires.
    template <class Done>
    void WaitWithWatchdog(Done done);
    bool TestForPrompt(int n, int& result);
    void FailOversizeAnswer(std::size_t unread);

    LinkContext& c_;
    Exchanges& x_;
    SerialLinkView& view_;
    std::function<void()> onLost_;
    std::vector<std::string> probeProblems_;
};

}  // namespace vx
