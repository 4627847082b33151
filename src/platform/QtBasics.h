#pragma once
// The small services over Qt: the millisecond clock, the event pump, the watchdog timer and
// the preset sequencer's one-shot timer.
#include <QElapsedTimer>
#include <QTimer>

#include "link/Ports.h"

namespace vx::platform {

class QtClock : public Clock {
public:
    QtClock() { timer_.start(); }
    std::int64_t NowMs() override { return timer_.elapsed(); }
    void SleepMs(int ms) override;

private:
    QElapsedTimer timer_;
};

class QtEventPump : public EventPump {
public:
    void ProcessEvents() override;
    void WaitForEvents() override;
};

class QtWatchdog : public Watchdog {
public:
    explicit QtWatchdog(int intervalMs = 9000);
    void SetHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void Start() override { timer_.start(); }
    void Stop() override { timer_.stop(); }
    void SetInterval(int ms) { timer_.setInterval(ms); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};

// PresetSeqTimer: fires once per Start, from the event loop (also a nested one).
class QtOneShotTimer : public OneShotTimer {
public:
    QtOneShotTimer();
    void SetHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void Start(int ms) override { timer_.start(ms); }
    void Stop() override { timer_.stop(); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};

}  // namespace vx::platform
