#pragma once
// SIGTERM, SIGINT and SIGHUP (a session's logout, kill, a closed terminal) brought into the
// event loop the usual way: the handler only writes the signal's number into a socket pair,
// and a socket notifier on the other end calls the handler given here, on the main thread,
// where anything may be done. A second signal of these ends the process at once, as the
// signal would have without this, even while the first waits for the loop. A stop flag
// given here is set by the handler itself, so the core stops starting anything new at
// once, in a wait that processes no events too.
#include <QObject>
#include <QSocketNotifier>
#include <atomic>
#include <functional>
#include <memory>

namespace vx::platform {

class EndSignals : public QObject {
public:
    explicit EndSignals(std::function<void(int signal)> handler);
    ~EndSignals() override;
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

    // Set (from the handler) when one of the signals arrives, or at once when one has.
    void SetStopFlag(std::atomic<bool>* flag);
    // One of the signals has arrived, whether or not the loop has handed it over yet.
    bool Received() const;

    // "SIGTERM", "SIGINT" or "SIGHUP".
    static const char* Name(int signal);

private:
    void Deliver();

    std::function<void(int)> handler_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace vx::platform
