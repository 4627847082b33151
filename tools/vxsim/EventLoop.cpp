#include "EventLoop.h"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace vxsim {

namespace {

constexpr std::size_t ReadSize = 4096;
// A link is read only while the lines of one more read fit among its waiting lines, so
// no line is ever dropped.
constexpr std::size_t MaxWaitingLines = 5000;
constexpr Micros IdleWakeUp = 1'000'000;
// How long the listener rests when an accept failed for want of descriptors and no link
// has closed since (another process may have given some back).
constexpr Micros AcceptRetry = 1'000'000;

bool OutOfResources(int error) {
    return error == EMFILE || error == ENFILE || error == ENOBUFS || error == ENOMEM;
}
// Lines are answered only while less than this is queued on the link: a client that
// sends without reading makes the simulator stop taking its lines, not hoard answers.
constexpr std::size_t MaxQueuedOutput = 1 << 20;

bool AnswersFit(const Link& link) {
    return link.Out.QueuedBytes() < MaxQueuedOutput;
}

// ppoll returns at once while a descriptor is ready, without delivering a pending
// signal. Opening the wait mask for a moment lets a stop request in whatever the links do.
void LetPendingSignalsIn(const sigset_t* waitMask) {
    sigset_t pending;
    if (::sigpending(&pending) != 0 || ::sigisemptyset(&pending)) return;
    sigset_t kept;
    ::sigprocmask(SIG_SETMASK, waitMask, &kept);
    ::sigprocmask(SIG_SETMASK, &kept, nullptr);
}

}  // namespace

EventLoop::EventLoop(SimOptions& options, TcpServer* server, PtyEnd* pty, Transcript& transcript)
    : options_(options),
      initialOptions_(options),
      controlOpen_(options.Control),
      interpreter_(options.Identity),
      responder_(options_, interpreter_),
      server_(server),
      pty_(pty),
      transcript_(transcript) {
    if (pty_) links_.emplace_back(pty_->Fd(), LinkKind::Serial, options_.Baud);
    interpreter_.SetIgnored(options_.Ignore);
}

void EventLoop::ToggleSerialEnd() {
    if (!pty_) return;
    if (pty_->IsOpen()) {
        links_.remove_if([](const Link& l) { return l.Kind == LinkKind::Serial; });
        pty_->Close();
        std::printf("serial hung up\n");
    } else {
        std::string error;
        const std::string path = *options_.SerialPath;
        if (!pty_->Open(path, error)) {
            std::fprintf(stderr, "vxsim: %s\n", error.c_str());
            return;
        }
        links_.emplace_back(pty_->Fd(), LinkKind::Serial, options_.Baud);
        std::printf("serial %s -> %s\n", pty_->LinkPath().c_str(), pty_->SlavePath().c_str());
    }
    std::fflush(stdout);
}

void EventLoop::Run(volatile std::sig_atomic_t* stop, const sigset_t* waitMask,
                    volatile std::sig_atomic_t* hangUp) {
    std::vector<pollfd> fds;
    std::vector<Link*> polled;
    while (!*stop) {
        if (hangUp && *hangUp) {
            *hangUp = 0;
            ToggleSerialEnd();
        }
        Micros now = NowMicros();
        ServeWaitingLines(now);
        WriteDueAnswers(now);
        if (DropDeadLinks() || now >= acceptPausedAt_ + AcceptRetry) acceptPaused_ = false;

        fds.clear();
        polled.clear();
        const bool listening = server_ && !acceptPaused_;
        if (listening) fds.push_back({server_->Fd(), POLLIN, 0});
        const bool watching = pty_ && pty_->WatchFd() >= 0;
        if (watching) fds.push_back({pty_->WatchFd(), POLLIN, 0});
        const bool controlled = controlOpen_;
        if (controlled) fds.push_back({STDIN_FILENO, POLLIN, 0});
        for (Link& link : links_) {
            const bool takesInput =
                !link.Closing && AnswersFit(link) && link.Waiting.size() + ReadSize <= MaxWaitingLines;
            short events = takesInput ? POLLIN : 0;
            if (link.Out.WaitsForRoom()) events |= POLLOUT;
            fds.push_back({link.Fd, events, 0});
            polled.push_back(&link);
        }
        const Micros wait = std::max<Micros>(0, NextWakeUp(now) - now);
        const timespec timeout{static_cast<time_t>(wait / 1'000'000),
                               static_cast<long>(wait % 1'000'000) * 1000};
        const int ready = ::ppoll(fds.data(), fds.size(), &timeout, waitMask);
        if (ready < 0) continue;  // EINTR: a signal; the loop condition decides
        LetPendingSignalsIn(waitMask);

        now = NowMicros();
        std::size_t i = 0;
        if (listening && (fds[i++].revents & POLLIN)) AcceptClients();
        if (watching && (fds[i++].revents & POLLIN)) pty_->ClientsOpenedOrClosed();
        const bool controlReady = controlled && (fds[i++].revents & (POLLIN | POLLHUP | POLLERR));
        for (Link* link : polled) {
            const short revents = fds[i++].revents;
            if (revents & POLLOUT) link->Out.RoomAgain();
            if (revents & (POLLIN | POLLHUP | POLLERR)) Receive(*link, now);
        }
        // Last: a control line may close links, which the loop above still points at.
        if (controlReady) ReadControl();
    }
}

void EventLoop::ServeWaitingLines(Micros now) {
    // A resetting switcher hears lines but takes them up only when it is back.
    for (Link& link : links_) {
        while (now >= busyUntil_ && !link.Closing && !link.Waiting.empty() && AnswersFit(link)) {
            ReceivedLine line = std::move(link.Waiting.front());
            link.Waiting.pop_front();
            responder_.Serve(link, line, now, busyUntil_);
        }
        if (link.Closing) link.Waiting.clear();
    }
}

void EventLoop::WriteDueAnswers(Micros now) {
    for (Link& link : links_) {
        auto when = link.Out.NextWriteTime();
        if (when && *when <= now) {
            if (link.Kind == LinkKind::Serial) pty_->KeepRaw();
            if (!link.Out.WriteDue(link.Fd, now)) {
                // A TCP peer is gone; on the serial end the answer is lost like on a cut cable.
                link.Dead = link.Kind == LinkKind::Tcp;
                link.Out.Clear();
            }
        }
        if (link.Closing && link.Out.Empty()) link.Dead = true;
    }
}

bool EventLoop::DropDeadLinks() {
    return links_.remove_if([](const Link& link) {
        if (link.Dead) ::close(link.Fd);
        return link.Dead;
    }) > 0;
}

void EventLoop::Receive(Link& link, Micros now) {
    char buffer[ReadSize];
    const ssize_t n = ::read(link.Fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0) {
        // A TCP peer has gone. The serial end holds its own slave open and never ends.
        if (link.Kind == LinkKind::Tcp) link.Dead = true;
        return;
    }
    if (link.Kind == LinkKind::Serial) pty_->KeepRaw();
    for (ReceivedLine& line : link.Lines.Feed(std::string_view(buffer, static_cast<std::size_t>(n)))) {
        transcript_.Record(now, LinkName(link.Kind), line.Text, line.TooLong);
        if (link.Waiting.size() < MaxWaitingLines) link.Waiting.push_back(std::move(line));
    }
    ServeWaitingLines(now);
}

void EventLoop::AcceptClients() {
    int error = 0;
    for (int fd = server_->Accept(error); fd >= 0; fd = server_->Accept(error)) {
        const auto clients = std::count_if(links_.begin(), links_.end(),
                                           [](const Link& l) { return l.Kind == LinkKind::Tcp; });
        if (static_cast<std::size_t>(clients) >= MaxTcpClients) {
            TcpServer::Refuse(fd);
            continue;
        }
        links_.emplace_back(fd, LinkKind::Tcp, 0);
    }
    if (!OutOfResources(error)) {
        // The queue is empty: a later shortage is news again.
        if (error == 0) saidAcceptPaused_ = false;
        return;
    }
    // The client stays in the listen queue and is taken as soon as a descriptor is free.
    acceptPaused_ = true;
    acceptPausedAt_ = NowMicros();
    if (!saidAcceptPaused_)
        std::fprintf(stderr, "vxsim: cannot accept a TCP client (%s); new clients wait until a link closes\n",
                     std::strerror(error));
    saidAcceptPaused_ = true;
}

void EventLoop::ReadControl() {
    char buffer[ReadSize];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
    if (n <= 0) {
        controlOpen_ = false;  // the controller has gone; the switcher goes on as it is
        return;
    }
    for (const ReceivedLine& line :
         controlLines_.Feed(std::string_view(buffer, static_cast<std::size_t>(n)))) {
        if (line.Text.empty()) continue;
        const std::string problem = line.TooLong ? "the line is too long" : Control(line.Text);
        std::printf("control: %s\n", problem.empty() ? "ok" : ("error " + problem).c_str());
    }
    std::fflush(stdout);
}

std::string EventLoop::Control(const std::string& line) {
    if (line == "clear") {
        ResetFaultSwitches(options_, initialOptions_);
        interpreter_.SetIgnored(options_.Ignore);
        return {};
    }
    if (line == "drop-tcp") {
        for (Link& link : links_)
            if (link.Kind == LinkKind::Tcp) link.Dead = true;
        DropDeadLinks();
        return {};
    }
    if (line == "hang-up" || line == "plug-in") {
        if (!pty_) return "there is no serial end";
        if (pty_->IsOpen() != (line == "hang-up"))
            return line == "hang-up" ? "already hung up" : "already plugged in";
        ToggleSerialEnd();
        return {};
    }
    std::string problem = SetFaultSwitch(options_, line);
    interpreter_.SetIgnored(options_.Ignore);
    return problem;
}

Micros EventLoop::NextWakeUp(Micros now) const {
    Micros next = now + IdleWakeUp;
    if (acceptPaused_) next = std::min(next, acceptPausedAt_ + AcceptRetry);
    for (const Link& link : links_) {
        if (auto when = link.Out.NextWriteTime()) next = std::min(next, *when);
        // Lines held back by unread answers wait for the link to drain instead.
        if (!link.Waiting.empty() && !link.Closing && AnswersFit(link))
            next = std::min(next, std::max(now, busyUntil_));
    }
    return next;
}

}  // namespace vxsim
