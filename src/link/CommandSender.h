#pragma once
// One operation per command keyword. Each formats its line and hands it to the link in
// use: serial when a switcher answered on a COM port, else TCP when connected, else the
// line is dropped without a word. Callers are never told whether it was answered.
#include <string>

#include "link/Exchanges.h"

namespace vx {

// Carries the lines in place of the panel's exchanges, for a tool that must know what
// became of each command. LongWait: a reset, which keeps the switcher busy for long.
struct CommandCarrier {
    virtual ~CommandCarrier() = default;
    virtual void Carry(const std::string& line, bool longWait) = 0;
    // The line last carried was answered, and not with an error.
    virtual bool LastAcknowledged() const = 0;
};

class CommandSender {
public:
    CommandSender(LinkContext& ctx, Exchanges& exchanges) : c_(ctx), x_(exchanges) {}

    // With a carrier every line goes to it, whatever link is in use; the panel has none.
    void SetCarrier(CommandCarrier* carrier) { carrier_ = carrier; }

    void SendIpConfig(int a, int b, int c, int d);
    void SendRouteTemp(int output, int input);
    void SendTake();
    void SendCancelTake();
    void SendReclock(int output, int on);
    void SendVIState(int on);
    void SendFrontPanelLock(int on);
    void SendSystemSave();
    void SendSystemRecall();
    void SendReset();
    void SendFactoryReset();
    void SendClearAll();
    void SendPresetRecall(int preset, int mode);
    void SendPresetStore(int preset);
    void SendGroupClear(int group);
    void SendGroupAdd(int group, int output, int input);
    void SendGroupDelete(int group, int output, int input);

    // The last line was answered (by a carrier: and not with an error). A line sent
    // without waiting, or not sent for want of a link, was not.
    bool LastLineAcknowledged() const { return lastAcknowledged_; }

private:
    enum class OverTcp { Command, Send };
    void Dispatch(const std::string& line, OverTcp tcp, bool resetWait = false);

    LinkContext& c_;
    Exchanges& x_;
    CommandCarrier* carrier_ = nullptr;
    bool lastAcknowledged_ = false;
};

}  // namespace vx
