// vxctl: the Vextaro switcher from a shell script, on the panel's own core and links.
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "ConfigNames.h"
#include "ConsoleViews.h"
#include "CtlArguments.h"
#include "CtlSession.h"
#include "EndOnSignals.h"
#include "HelpText.h"
#include "ReportOutput.h"
#include "panel/PanelCore.h"
#include "platform/QtActivityLog.h"
#include "AppendingActivityFile.h"
#include "platform/QtConfigFileStore.h"
#include "platform/QtServices.h"

namespace {

// SIGINT and SIGTERM end a watch with 0 (they end any other command with 130 / 143): the handler writes one
// byte into a pipe, whose reading end wakes the event loop between two polls.
int stopPipe[2] = {-1, -1};
volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(stopPipe[1], &byte, 1);
}

// serve ends the same way on SIGHUP, as a service manager's reload or a closed terminal.
void CatchStopSignals(bool hangUpToo) {
    if (::pipe(stopPipe) != 0) return;
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    if (hangUpToo) ::sigaction(SIGHUP, &action, nullptr);
}

// What was printed must have reached standard output, or the command failed.
int WithOutputChecked(vxctl::FdOutput& output, int code) {
    const std::string problem = output.Finish();
    if (problem.empty()) return code;
    std::fprintf(stderr, "vxctl: could not write to standard output: %s\n", problem.c_str());
    return code == 0 ? 1 : code;
}

}  // namespace

int main(int argc, char** argv) {
    vxctl::FdOutput output(STDOUT_FILENO);
    std::streambuf* const standard = std::cout.rdbuf(&output);
    // std::cout outlives main; it gets its own buffer back before this one goes.
    const std::unique_ptr<std::streambuf, void (*)(std::streambuf*)> restore(
        standard, [](std::streambuf* b) { std::cout.rdbuf(b); });
    std::vector<std::string> args(argv + 1, argv + argc);
    const vxctl::ParsedRequest parsed = vxctl::ParseArguments(args);
    if (parsed.Request.Help) {
        std::cout << vxctl::HelpText;
        return WithOutputChecked(output, 0);
    }
    if (parsed.Request.Version) {
        std::cout << "vxctl " << VXCTL_VERSION << "\n";
        return WithOutputChecked(output, 0);
    }
    if (!parsed.Error.empty()) {
        std::fprintf(stderr, "vxctl: %s\n", parsed.Error.c_str());
        return 2;
    }
    const vxctl::CtlRequest& request = parsed.Request;
    vx::platform::QtConfigFileStore files;
    vxctl::ReportNames names;
    if (!request.ConfigPath.empty()) {
        if (const std::string problem = vxctl::ReadConfigNames(files, request.ConfigPath, names);
            !problem.empty()) {
            std::fprintf(stderr, "vxctl: %s\n", problem.c_str());
            return 2;
        }
    }

    vxctl::EndOnSignals({SIGINT, SIGTERM, SIGHUP});
    // No window: a core application runs the sockets, the port and the watchdog.
    QCoreApplication app(argc, argv);
    try {
        vx::platform::QtServices services;
        if (request.Link == vxctl::LinkKind::Serial)
            services.Serial.SetPortPaths({{1, QString::fromStdString(request.Device)}});
        vxctl::ConsoleViews views;
        vx::PanelCore core(vx::PanelServices::From(services.Bundle(), views, files), views.Views());
        core.FormCreate();
        // --log FILE: the panel's activity records, appended line by line as they come.
        vx::platform::QtActivityEnvironment logEnv;
        vxctl::AppendingActivityFile logFile(request.LogPath);
        if (!request.LogPath.empty()) core.AttachActivity(&logEnv, &logFile);
        vxctl::CtlSession session(core, views, request, std::cout, std::cerr);
        session.SetNames(names);
        std::unique_ptr<QSocketNotifier> stopNotifier;
        if (request.Cmd == vxctl::Command::Watch || request.Cmd == vxctl::Command::Serve) {
            CatchStopSignals(request.Cmd == vxctl::Command::Serve);
            if (stopPipe[0] >= 0)
                stopNotifier = std::make_unique<QSocketNotifier>(stopPipe[0], QSocketNotifier::Read);
            session.SetStopRequest([] { return stopRequested != 0; });
        }
        return WithOutputChecked(output, session.Run());
    } catch (const std::bad_alloc&) {
        std::fputs("vxctl: out of memory\n", stderr);
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vxctl: %s\n", e.what());
        return 1;
    }
}
