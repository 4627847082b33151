#pragma once
// The TCP transport: the client's notifications, the connect procedure, the status query
// over a stream, and the IP address field with IPSave.ini.
#include <cstddef>
#include <string>

#include "link/Exchanges.h"
#include "link/IpAddressView.h"
#include "link/IpSaveFile.h"
#include "link/LinkContext.h"

namespace vx {

inline constexpr int SwitcherTcpPort = 23;

enum class ConnectOutcome { NoAddress, Answered, Silent, NotConnected, SocketFailed };

inline constexpr const char* SaveIpFailedText =
    "Error! Unable to create IPSave.ini file. Check if disk is write-protected";
inline constexpr const char* LoadIpFailedText = "Error! Unable to open IPSave.ini file.";

// The message of an error notification; an unnamed kind has an empty one.
const char* SocketErrorText(SocketErrorKind kind);

class EthernetLink : public TcpClientListener {
public:
    EthernetLink(LinkContext& ctx, Exchanges& exchanges, IpAddressView& field,
                 int remotePort = SwitcherTcpPort)
        : c_(ctx), x_(exchanges), field_(field), port_(remotePort) {}

    // Makes this link the TCP client's listener.
    void Attach() { c_.Tcp.SetListener(this); }

    // The switcher listens on 23; the simulator and tests use another port.
    void SetRemotePort(int port) { port_ = port; }
    int RemotePort() const { return port_; }
    // Where IPSave.ini lives: the working directory unless a test says otherwise.
    void SetIpSavePath(std::string path) { ipSavePath_ = std::move(path); }

    ConnectOutcome ConnectEthernet();
    // Connects to an address or host name given by a tool, not typed in the field: the
    // field and IPSave.ini stay as they are. Answered, Silent, NotConnected or SocketFailed.
    ConnectOutcome ConnectTo(const std::string& address);
    void SocketQuery();
    // The address the panel last connected to (what the field said then, or what a tool
    // gave), whatever the field says since: a read writes the switcher's own address there,
    // which is not always the one that reaches it.
    const std::string& LastAddress() const { return lastAddress_; }
    // Saves the field's text as typed and rewrites it as a.b.c.d. A text that is not four
    // numbers separated by dots is saved but leaves the field as it is: false.
    bool NormalizeIpText();
    void LoadIpText();
    void SaveIpText(const char* text, std::size_t length);

    void ClientSocket1Connect() {
        ++c_.Link.LinkOpenings;
        c_.Model.EthernetConnected = 1;
    }
    void ClientSocket1Disconnect() { c_.Model.EthernetConnected = 0; }
    void ClientSocket1Error(SocketErrorKind kind);

    void Connected() override { ClientSocket1Connect(); }
    void Disconnected() override { ClientSocket1Disconnect(); }
    void Error(SocketErrorKind kind) override { ClientSocket1Error(kind); }

private:
    ConnectOutcome ConnectAndTest(const std::string& address);
    void CollectAnswer();
    void FailOversizeAnswer(bool drain);

    LinkContext& c_;
    Exchanges& x_;
    IpAddressView& field_;
    int port_;
    std::string ipSavePath_ = IpSaveFileName;
    std::string lastAddress_;
};

}  // namespace vx
