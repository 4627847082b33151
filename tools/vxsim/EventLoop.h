#pragma once
// The simulator's single thread: one poll() loop over the TCP server, its clients
// and the serial end, all serving the one switcher state.
#include <csignal>
#include <list>
#include <memory>

#include "Interpreter.h"
#include "Link.h"
#include "Options.h"
#include "PtyEnd.h"
#include "Responder.h"
#include "TcpServer.h"
#include "Transcript.h"

namespace vxsim {

class EventLoop {
public:
    // The server and the serial end may be null when that link was not asked for. With
    // options.Control, control lines from standard input change options' fault switches.
    EventLoop(SimOptions& options, TcpServer* server, PtyEnd* pty, Transcript& transcript);

    // Runs until *stop becomes non-zero. The loop's signals stay blocked except inside
    // the wait (with waitMask in force) and for a moment right after it, for a signal
    // that ready descriptors kept from coming in; *stop and *hangUp are looked at before
    // every wait, so no request is missed.
    // Each time *hangUp becomes non-zero the serial end is hung up or, when it is down,
    // plugged back in, and *hangUp is cleared.
    void Run(volatile std::sig_atomic_t* stop, const sigset_t* waitMask,
             volatile std::sig_atomic_t* hangUp = nullptr);

private:
    void ServeWaitingLines(Micros now);
    void WriteDueAnswers(Micros now);
    // True when a link was closed, which gives a descriptor back.
    bool DropDeadLinks();
    void Receive(Link& link, Micros now);
    void AcceptClients();
    void ToggleSerialEnd();
    Micros NextWakeUp(Micros now) const;
    // Reads standard input and carries out every whole control line in it.
    void ReadControl();
    std::string Control(const std::string& line);

    SimOptions& options_;
    const SimOptions initialOptions_;
    LineSplitter controlLines_;
    bool controlOpen_ = false;
    Interpreter interpreter_;
    Responder responder_;
    TcpServer* server_;
    PtyEnd* pty_;
    Transcript& transcript_;
    std::list<Link> links_;
    Micros busyUntil_ = 0;
    // Out of descriptors the listener stays ready while every accept fails: it is left
    // out of the wait until a link closes or AcceptRetry has passed.
    bool acceptPaused_ = false;
    bool saidAcceptPaused_ = false;
    Micros acceptPausedAt_ = 0;
};

}  // namespace vxsim
