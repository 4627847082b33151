#include "connection/ConnectionManager.h"

#include <string>

#include "connection/ConnectionTexts.h"
#include "link/IpText.h"

namespace vx {
namespace {

// The Open COM item that stands for a port number: 2, 3, 4 their own, anything else COM1.
int ComItemFor(int port) { return (port >= 2 && port <= 4) ? port : 1; }

// A failed connection's message with what is known of each port that could not be used
// (a lock file and its process above all), so the operator need not guess.
std::string WithProbeProblems(const char* text, const std::vector<std::string>& problems) {
    std::string message = text;
    if (!problems.empty()) message += "\n";
    for (const auto& problem : problems) message += "\n" + problem;
    return message;
}

std::string ComName(int port) {
    return "COM" + std::to_string(port);
}

}  // namespace

ConnectionManager::ConnectionManager(LinkContext& ctx, Exchanges& exchanges, CommandSender& sender,
                                     SerialLink& serial, EthernetLink& ethernet, ReadSequence& reader,
                                     ProgressView& progress, IpAddressView& ipField, ConnectionView& view)
    : c_(ctx),
      x_(exchanges),
      sender_(sender),
      serial_(serial),
      ethernet_(ethernet),
      reader_(reader),
      progress_(progress),
      ipField_(ipField),
      view_(view) {}

void ConnectionManager::FormShow() {
    c_.Model.EventsSuppressed = 1;
    if (c_.Prompts.AskYesNo(StartupQuestion, StartupCaption)) {
        SearchAllClick();
    } else {
        c_.Prompts.ShowMessage(ConnectLaterText);
        ethernet_.LoadIpText();
    }
}

void ConnectionManager::SearchAllClick() {
    c_.Link.PromptChar = '#';
    c_.Serial.SetHardwareFlowControl(true, true);
    if (serial_.ConnectSerial(0) != 1) {
        c_.Link.Activity().Note("Link", "No switcher found on COM1 to COM4", "given up");
        c_.Prompts.ShowMessage(WithProbeProblems(SearchFailedText, serial_.ProbeProblems()));
        serial_.SetSerialLinkActive(false);
        view_.SetSearchEnabled(true);
        view_.SetDisconnectEnabled(false);
        ethernet_.LoadIpText();
        return;
    }
    progress_.SetInfoText(CheckingComText);
    progress_.Show();
    serial_.SetSerialLinkActive(true);
    x_.SerialSendWaitPromptReported(line::BareReturn);
    progress_.Hide();
    if (!c_.Link.SerialLinkActive) return;  // the port was lost in the check and given up
    SerialConnected();
}

// Menu states after a switcher answered on a COM port, then the full read.
void ConnectionManager::SerialConnected() {
    const std::string port = ComName(c_.Serial.PortNumber());
    c_.Link.Activity().Note("Link", "Switcher answered on " + port, "connected", {{"port", port}});
    view_.SetReadEnabled(true);
    view_.SetSearchEnabled(false);
    view_.SetDisconnectEnabled(true);
    reader_.ReadfromVextaros1Click();
    c_.Model.HandlerBusy = 0;
}

void ConnectionManager::SerialGivenUp() {
    serial_.SetSerialLinkActive(false);
    view_.SetSearchEnabled(true);
    view_.SetDisconnectEnabled(false);
}

void ConnectionManager::DisconnectSerialCommunication1Click() {
    if (c_.Link.SerialLinkActive)
        c_.Link.Activity().Note("Link", ComName(c_.Serial.PortNumber()) + " closed", "disconnected");
    c_.Serial.Close();
    serial_.SetSerialLinkActive(false);
    view_.SetReadEnabled(false);
    view_.SetSearchEnabled(true);
    view_.SetDisconnectEnabled(false);
}

void ConnectionManager::SerialPortLost() {
    c_.Link.Activity().Note("Link", ComName(c_.Serial.PortNumber()) + " went away", "lost");
    view_.SetReadEnabled(c_.Model.EthernetConnected != 0);
    SerialGivenUp();
}

void ConnectionManager::SetSelector(LinkChoice entry) {
    if (view_.SelectorEntry() == entry) return;
    view_.SetSelectorEntry(entry);
    SerialModeRadioGroupClick();
}

void ConnectionManager::SerialModeRadioGroupClick() {
    if (view_.SelectorEntry() == LinkChoice::Ethernet)
        EthernetSelected();
    else
        SerialSelected();
}

void ConnectionManager::EthernetSelected() {
    if (c_.Link.SerialLinkActive && !c_.Prompts.AskYesNo(EthernetQuestion, EthernetQuestionCaption)) {
        view_.FocusConnectionGroup();
        SetSelector(LinkChoice::Serial);
        return;
    }
    if (c_.Tcp.IsActive() && suppressEthernetClick_) {
        suppressEthernetClick_ = false;
        return;
    }
    switch (ethernet_.ConnectEthernet()) {
        case ConnectOutcome::NoAddress:
            view_.FocusConnectionGroup();
            suppressSerialClick_ = true;
            SetSelector(LinkChoice::Serial);
            c_.Prompts.ShowMessage(NoAddressText);
            break;
        case ConnectOutcome::Answered:
            c_.Link.Activity().Note("Link", "Switcher answered over TCP at " + ipField_.IpText(), "connected",
                                    {{"address", ipField_.IpText()}});
            // The serial port is given up even when no serial link was in use.
            DisconnectSerialCommunication1Click();
            view_.SetReadEnabled(true);
            view_.SetSearchEnabled(false);
            reader_.ReadfromVextaros1Click();
            break;
        case ConnectOutcome::Silent:
            c_.Link.Activity().Note("Link", "No answer over TCP at " + ipField_.IpText(), "given up");
            c_.Prompts.ShowMessage(SilentSwitcherText);
            view_.FocusConnectionGroup();
            SetSelector(LinkChoice::Serial);  // the open connection makes this ask about serial
            break;
        case ConnectOutcome::NotConnected:
        case ConnectOutcome::SocketFailed:
            c_.Link.Activity().Note("Link", "No TCP connection to " + ipField_.IpText(), "given up");
            view_.FocusConnectionGroup();
            SetSelector(LinkChoice::Serial);
            break;
    }
}

void ConnectionManager::SerialSelected() {
    if (c_.Tcp.IsActive()) {
        if (c_.Prompts.AskYesNo(SerialQuestion, SerialQuestionCaption)) {
            // Cleared so that the read inside the search queries over serial.
            c_.Model.EthernetConnected = 0;
            SearchAllClick();
            if (c_.Link.SerialLinkActive) {
                c_.Tcp.Close();
                return;
            }
            c_.Model.EthernetConnected = 1;
        }
        view_.FocusConnectionGroup();
        suppressEthernetClick_ = true;
        SetSelector(LinkChoice::Ethernet);
        return;
    }
    if (suppressSerialClick_) {
        suppressSerialClick_ = false;
        return;
    }
    if (c_.Link.SerialLinkActive) return;
    SearchAllClick();
}

bool ConnectionManager::ConnectPort(int n) {
    // Every connection attempt sets the flow control again.
    c_.Serial.SetHardwareFlowControl(true, true);
    if (serial_.ConnectSerial(n) == -1) {
        c_.Link.Activity().Note("Link", "No switcher found on " + ComName(n), "given up");
        c_.Prompts.ShowMessage(WithProbeProblems(ConnectPortFailedText, serial_.ProbeProblems()));
        SerialGivenUp();
        return false;
    }
    serial_.SetSerialLinkActive(true);
    x_.SerialSendWaitPromptReported(line::BareReturn);
    if (!c_.Link.SerialLinkActive) return false;  // the port was lost in the check and given up
    SerialConnected();
    return true;
}

void ConnectionManager::COMClick(int n) {
    view_.SetComChecked(ComItemFor(c_.Serial.PortNumber()), false);
    if (ConnectPort(n)) view_.SetComChecked(ComItemFor(c_.Serial.PortNumber()), true);
}

void ConnectionManager::IPAddressButtonClick() {
    if (!c_.Link.SerialLinkActive && !c_.Model.EthernetConnected) {
        c_.Prompts.ShowMessage(NeedConnectionText);
        return;
    }
    const std::string text = ipField_.IpText();
    // Saved as typed, before the check: a refused address is kept for the next try.
    ethernet_.SaveIpText(text.c_str(), text.size() + 1);
    const IpAddressCheck check = CheckIpAddress(text);
    if (!check.segments) {
        c_.Prompts.ShowMessage(check.message);
        return;
    }
    const auto& s = *check.segments;
    sender_.SendIpConfig(s[0], s[1], s[2], s[3]);
    if (c_.Model.EthernetConnected) SerialModeRadioGroupClick();
}

}  // namespace vx
