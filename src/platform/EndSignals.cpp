#include "platform/EndSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <stdexcept>

namespace vx::platform {
namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};
int wakeFds[2] = {-1, -1};
std::atomic<bool> received{false};
std::atomic<std::atomic<bool>*> stopFlag{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<std::atomic<bool>*>::is_always_lock_free,
              "set from a signal handler");

void Handle(void (*action)(int)) {
    struct sigaction sa {};
    sa.sa_handler = action;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;  // a blocking wait goes on; the loop sees the byte after it
    for (int s : Handled) ::sigaction(s, &sa, nullptr);
}

// Only async-signal-safe calls. The next of these signals ends the process at once, as it
// would have without this, wherever the panel is; the stop flag keeps the panel from
// starting anything new even before the event loop hears of the end; one byte goes into
// the pair (a full pair drops it, which is as good: the end is under way).
void OnSignal(int signal) {
    const int saved = errno;
    Handle(SIG_DFL);
    received.store(true);
    if (std::atomic<bool>* flag = stopFlag.load()) flag->store(true);
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const auto n = ::write(wakeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

EndSignals::EndSignals(std::function<void(int)> handler) : handler_(std::move(handler)) {
    if (wakeFds[0] >= 0) throw std::logic_error("EndSignals: one per process");
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeFds) != 0)
        throw std::runtime_error("cannot make the socket pair for the end signals");
    ::fcntl(wakeFds[1], F_SETFL, O_NONBLOCK);
    notifier_ = std::make_unique<QSocketNotifier>(wakeFds[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { Deliver(); });
    Handle(OnSignal);
}

EndSignals::~EndSignals() {
    Handle(SIG_DFL);
    stopFlag.store(nullptr);
    received.store(false);
    notifier_.reset();
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

const char* EndSignals::Name(int signal) {
    switch (signal) {
        case SIGTERM:
            return "SIGTERM";
        case SIGINT:
            return "SIGINT";
        case SIGHUP:
            return "SIGHUP";
        default:
            return "a signal";
    }
}

void EndSignals::SetStopFlag(std::atomic<bool>* flag) {
    stopFlag.store(flag);
    if (flag && received.load()) flag->store(true);
}

bool EndSignals::Received() const {
    return received.load();
}

void EndSignals::Deliver() {
    char byte = 0;
    if (::read(wakeFds[0], &byte, 1) != 1) return;
    notifier_->setEnabled(false);
    if (handler_) handler_(static_cast<unsigned char>(byte));
}

}  // namespace vx::platform
