#pragma once
// Stands between the TCP client and the Ethernet link, so follow mode hears of a dropped
// connection first: it reconnects in the background, and the socket error of that drop is
// handled without a box.
#include "follow/Follower.h"
#include "follow/QuietPrompter.h"
#include "link/LinkContext.h"
#include "link/Ports.h"

namespace vx {

class FollowTcpListener : public TcpClientListener {
public:
    FollowTcpListener(TcpClientListener& link, Follower& follower, QuietPrompter& prompts, LinkContext& ctx)
        : link_(link), follower_(follower), prompts_(prompts), c_(ctx) {}

    void Connected() override { link_.Connected(); }
    void Disconnected() override {
        // Follow and the log look first, while the model still says which link was in use.
        // A drop is one record: the connections of the reconnection that follows are not.
        if (c_.Model.EthernetConnected && !c_.Link.SerialLinkActive && !follower_.ChoosingLink() &&
            !follower_.Reconnecting())
            c_.Link.Activity().Note("Link", "TCP connection dropped", "lost");
        follower_.TcpDisconnected();
        link_.Disconnected();
    }
    void Error(SocketErrorKind kind) override {
        if (!follower_.QuietSocketError(kind)) {
            link_.Error(kind);
            return;
        }
        QuietPrompter::Scope quiet(prompts_);
        link_.Error(kind);
    }

private:
    TcpClientListener& link_;
    Follower& follower_;
    QuietPrompter& prompts_;
    LinkContext& c_;
};

}  // namespace vx
