// vxsim: plays a video crosspoint switcher on a TCP port and a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "EventLoop.h"
#include "Options.h"
#include "PtyEnd.h"
#include "TcpServer.h"
#include "Transcript.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

volatile std::sig_atomic_t hangUpRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

void RequestHangUp(int) {
    hangUpRequested = 1;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "vxsim: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vxsim;
    const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.Error.empty()) {
        std::fprintf(stderr, "vxsim: %s\nTry 'vxsim --help' for the options.\n", parsed.Error.c_str());
        return 2;
    }
    SimOptions options = parsed.Options;
    if (options.Help) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }

    // The stop signals and the hang-up signal are blocked except while the loop lets
    // them in, so none slips between its check and the wait; the symlink is removed on
    // the way out.
    sigset_t loopSignals, waitMask;
    sigemptyset(&loopSignals);
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) sigaddset(&loopSignals, sig);
    sigprocmask(SIG_BLOCK, &loopSignals, &waitMask);
    struct sigaction action {};
    action.sa_handler = RequestStop;
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaction(sig, &action, nullptr);
    struct sigaction hangUp {};
    hangUp.sa_handler = RequestHangUp;
    sigaction(SIGUSR1, &hangUp, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    // A transcript beyond the file size limit is a failed write, said once, not the end.
    std::signal(SIGXFSZ, SIG_IGN);

    const Micros start = NowMicros();
    Transcript transcript;
    if (!options.TranscriptPath.empty() && !transcript.Open(options.TranscriptPath, start))
        return Fail("cannot write the transcript " + options.TranscriptPath);

    std::string error;
    TcpServer server;
    if (options.Tcp) {
        if (!server.Listen(*options.Tcp, error)) return Fail(error);
        std::printf("tcp %s:%d\n", options.Tcp->Address.c_str(), server.Port());
    }
    PtyEnd pty;
    if (options.SerialPath) {
        if (!pty.Open(*options.SerialPath, error)) return Fail(error);
        std::printf("serial %s -> %s\n", pty.LinkPath().c_str(), pty.SlavePath().c_str());
    }
    std::fflush(stdout);

    EventLoop loop(options, options.Tcp ? &server : nullptr, options.SerialPath ? &pty : nullptr, transcript);
    loop.Run(&stopRequested, &waitMask, &hangUpRequested);
    return 0;
}
