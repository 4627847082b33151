#pragma once
// The TCP client and the clock as the link layer uses them. While only follow mode's own
// exchanges are open (LinkState::OnlyBackground), a stream wait, a read and the pause
// before a query wait in short slices and let the window handle its events between them,
// as the serial status waits do; each still ends within its own limit, and sooner when the
// connection ends, the panel stops or the wait is cut. Every other wait is the protocol's
// own and blocks as it always has.
#include <cstdint>

#include "link/LinkState.h"
#include "link/Ports.h"

namespace vx {

// The longest the window goes without handling its events during a background wait.
inline constexpr int BackgroundSliceMs = 10;

class BackgroundClock final : public Clock {
public:
    BackgroundClock(Clock& clock, EventPump& events, LinkState& link) : clock_(clock), events_(events), link_(link) {}
    std::int64_t NowMs() override { return clock_.NowMs(); }
    void SleepMs(int ms) override;

private:
    Clock& clock_;
    EventPump& events_;
    LinkState& link_;
};

class BackgroundTcp final : public TcpClientService {
public:
    BackgroundTcp(TcpClientService& tcp, Clock& clock, EventPump& events, LinkState& link)
        : tcp_(tcp), clock_(clock), events_(events), link_(link) {}

    void SetListener(TcpClientListener* listener) override { tcp_.SetListener(listener); }
    void SetRemote(const std::string& address, int port) override { tcp_.SetRemote(address, port); }
    void Open() override { tcp_.Open(); }
    void Close() override { tcp_.Close(); }
    bool IsActive() const override { return tcp_.IsActive(); }
    void Send(std::string_view text) override { tcp_.Send(text); }
    bool WaitForData(int timeoutMs) override;
    std::size_t Read(std::uint8_t* dst, std::size_t max, int timeoutMs) override;
    std::string FailureText() const override { return tcp_.FailureText(); }

private:
    // Waits in slices until got() holds or the limit runs out; got(slice) waits one slice.
    template <class Got>
    bool Sliced(int timeoutMs, Got got);

    TcpClientService& tcp_;
    Clock& clock_;
    EventPump& events_;
    LinkState& link_;
};

}  // namespace vx
