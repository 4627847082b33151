#pragma once
// When and over which link the panel connects: the start-up question, the serial search,
// the Open COM items, the RS-232 / Ethernet selector, the serial disconnect and the
// Change IP Address button. Every successful connection ends with a full read.
#include "connection/ConnectionView.h"
#include "connection/ReadSequence.h"
#include "link/CommandSender.h"
#include "link/EthernetLink.h"
#include "link/SerialLink.h"
#include "status/ProgressView.h"

namespace vx {

class ConnectionManager {
public:
    ConnectionManager(LinkContext& ctx, Exchanges& exchanges, CommandSender& sender, SerialLink& serial,
                      EthernetLink& ethernet, ReadSequence& reader, ProgressView& progress,
                      IpAddressView& ipField, ConnectionView& view);

    void FormShow();
    void SearchAllClick();
    void DisconnectSerialCommunication1Click();
    void SerialModeRadioGroupClick();
    bool ConnectPort(int n);
    void COMClick(int n);  // COM11Click ... COM41Click with n = 1..4
    void IPAddressButtonClick();
    // The serial port went away: the menus as after a serial disconnect; a TCP link in
    // use stays in use.
    void SerialPortLost();

    bool SuppressEthernetClick() const { return suppressEthernetClick_; }
    bool SuppressSerialClick() const { return suppressSerialClick_; }

private:
    void EthernetSelected();
    void SerialSelected();
    // Sets the selector as the system, with the nested handler run a toolkit would raise.
    void SetSelector(LinkChoice entry);
    void SerialConnected();
    void SerialGivenUp();

    LinkContext& c_;
    Exchanges& x_;
    CommandSender& sender_;
    SerialLink& serial_;
    EthernetLink& ethernet_;
    ReadSequence& reader_;
    ProgressView& progress_;
    IpAddressView& ipField_;
    ConnectionView& view_;
    bool suppressEthernetClick_ = false;
    bool suppressSerialClick_ = false;
};

}  // namespace vx
