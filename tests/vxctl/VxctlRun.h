#pragma once
// vxctl against a running vxsim: the simulator started with the test's options on
// loopback TCP and a pseudo-terminal, vxctl run as a process with a bounded time, and
// the transcript of the lines the simulator received.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "SimProcess.h"
#include "SimTranscript.h"
#include "TempWorkingDir.h"

namespace vx::test {

enum class Via { Tcp, Serial };

inline const char* ViaName(Via v) {
    return v == Via::Tcp ? "Tcp" : "Serial";
}

struct CtlResult {
    int Exit = -1;
    std::string Out;
    std::string Err;
};

// Runs vxctl with the arguments, at most limitMs; its standard output goes to outFile when
// one is given (Out stays empty then), and it gets env when one is given.
inline CtlResult RunVxctl(const QStringList& args, int limitMs = 60000, const QString& outFile = {},
                          const QProcessEnvironment& env = {}) {
    QProcess p;
    p.setProgram(QStringLiteral(VXCTL_PATH));
    p.setArguments(args);
    if (!env.isEmpty()) p.setProcessEnvironment(env);
    if (!outFile.isEmpty()) p.setStandardOutputFile(outFile);
    p.start();
    CtlResult r;
    if (!p.waitForFinished(limitMs)) {
        p.kill();
        p.waitForFinished(3000);
        r.Err = "vxctl did not finish in time";
        return r;
    }
    r.Exit = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.Out = p.readAllStandardOutput().toStdString();
    r.Err = p.readAllStandardError().toStdString();
    return r;
}

class VxctlSession : public ::testing::Test {
protected:
    QString Path(const char* name) const { return QString::fromStdString((dir.Path() / name).string()); }

    void StartSim(QStringList simArgs = {}) {
        simArgs << "--tcp"
                << "127.0.0.1:0"
                << "--serial" << Path("com1") << "--transcript" << Path("transcript.txt");
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->Started()) << sim->Output().toStdString();
    }

    QStringList Link(Via via) const {
        if (via == Via::Serial) return {"--serial", Path("com1")};
        return {"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim->TcpPort())};
    }

    CtlResult Ctl(Via via, const QStringList& args, int limitMs = 60000, const QString& outFile = {},
                  const QProcessEnvironment& env = {}) {
        return RunVxctl(Link(via) + args, limitMs, outFile, env);
    }

    // The non-empty lines the simulator received, in order.
    std::vector<std::string> Wire() const {
        std::vector<std::string> lines;
        for (const auto& l : ReadTranscript(dir.Path() / "transcript.txt"))
            if (!l.text.empty()) lines.push_back(l.text);
        return lines;
    }

    // The command lines received: the wire without the six status queries.
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const auto& l : Wire())
            if (l.find("INFOVX") == std::string::npos) out.push_back(l);
        return out;
    }

    TempWorkingDir dir;
    std::unique_ptr<SimProcess> sim;
};

}  // namespace vx::test
