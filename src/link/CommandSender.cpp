#include "link/CommandSender.h"

#include "link/CommandLines.h"

namespace vx {

void CommandSender::Dispatch(const std::string& text, OverTcp tcp, bool resetWait) {
    lastAcknowledged_ = false;
    if (carrier_) {
        carrier_->Carry(text, resetWait);
        lastAcknowledged_ = carrier_->LastAcknowledged();
        return;
    }
    using Outcome = LinkJournal::LineOutcome;
    if (c_.Link.SerialLinkActive) {
        x_.SetCommandLine(text);
        // A reset keeps the switcher busy for a long time before it prompts again.
        if (resetWait) c_.Link.SerialWaitTicks = ResetWaitTicks;
        struct BackToNormal {
            LinkState& l;
            bool reset;
            ~BackToNormal() {
                if (reset) l.SerialWaitTicks = NormalWaitTicks;
            }
        } back{c_.Link, resetWait};
        const bool answered = x_.SerialCommand();
        lastAcknowledged_ = answered;
        c_.Link.Activity().NoteLine(text, answered ? Outcome::Answered : Outcome::NoAnswer);
    } else if (c_.Model.EthernetConnected) {
        x_.SetCommandLine(text);
        if (tcp == OverTcp::Command) {
            const bool answered = x_.SocketCommand();
            lastAcknowledged_ = answered;
            c_.Link.Activity().NoteLine(text, answered ? Outcome::Answered : Outcome::NoAnswer);
        } else {
            x_.SocketSend();
            c_.Link.Activity().NoteLine(text, Outcome::Sent);
        }
    } else {
        c_.Link.Activity().NoteLine(text, Outcome::NotSent);
    }
}

void CommandSender::SendIpConfig(int a, int b, int c, int d) {
    const std::string text = line::IpConfig(a, b, c, d);
    x_.SetCommandLine(text);  // formatted before the link test, as the switcher tools expect
    Dispatch(text, OverTcp::Send);
}
void CommandSender::SendRouteTemp(int output, int input) { Dispatch(line::RouteTemp(output, input), OverTcp::Command); }
void CommandSender::SendTake() { Dispatch(line::Take(), OverTcp::Command); }
void CommandSender::SendCancelTake() { Dispatch(line::CancelTake(), OverTcp::Command); }
void CommandSender::SendReclock(int output, int on) { Dispatch(line::Reclock(output, on), OverTcp::Command); }
void CommandSender::SendVIState(int on) { Dispatch(line::VIState(on), OverTcp::Command); }
void CommandSender::SendFrontPanelLock(int on) { Dispatch(line::FrontPanelLock(on), OverTcp::Command); }
void CommandSender::SendSystemSave() { Dispatch(line::SystemSave(), OverTcp::Send); }
void CommandSender::SendSystemRecall() { Dispatch(line::SystemRecall(), OverTcp::Command); }
void CommandSender::SendReset() { Dispatch(line::Reset(), OverTcp::Send, true); }
void CommandSender::SendFactoryReset() { Dispatch(line::FactoryReset(), OverTcp::Send, true); }
void CommandSender::SendClearAll() { Dispatch(line::ClearAll(), OverTcp::Command); }
void CommandSender::SendPresetRecall(int preset, int mode) {
    Dispatch(line::PresetRecall(preset, mode), OverTcp::Send);
}
void CommandSender::SendPresetStore(int preset) { Dispatch(line::PresetStore(preset), OverTcp::Send); }
void CommandSender::SendGroupClear(int group) { Dispatch(line::GroupClear(group), OverTcp::Command); }
void CommandSender::SendGroupAdd(int group, int output, int input) {
    Dispatch(line::GroupAdd(group, output, input), OverTcp::Command);
}
void CommandSender::SendGroupDelete(int group, int output, int input) {
    Dispatch(line::GroupDelete(group, output, input), OverTcp::Command);
}

}  // namespace vx
