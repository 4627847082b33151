#pragma once
// The whole panel against a running vxsim: the real main window on the real Qt adapters,
// COM1 mapped to the simulator's pseudo-terminal (COM2 to COM4 to paths where nothing
// answers), the TCP port pointed at the simulator, a scripted prompter, and time limits
// short enough that no test waits out a product time-out.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FakePorts.h"
#include "SimProcess.h"
#include "TempWorkingDir.h"
#include "platform/QtServices.h"
#include "ui/TMatrixForm.h"

namespace vx::test {

class SwitcherSession : public ::testing::Test {
protected:
    void TearDown() override {
        if (form) {
            form->Core().Link().SerialLinkActive = false;
            if (services.Serial.IsOpen()) services.Serial.Close();
            services.Tcp.Close();
        }
        form.reset();
    }

    QString Path(const char* name) const { return QString::fromStdString((dir.Path() / name).string()); }

    // Starts the simulator with extra options and builds the window on it.
    void Start(QStringList simArgs = {}) {
        simArgs << "--tcp" << "127.0.0.1:0" << "--serial" << Path("com1") << "--transcript"
                << Path("transcript.txt");
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->Started()) << sim->Output().toStdString();
        services.Serial.SetPortPaths({{1, Path("com1")}, {2, Path("com2")}, {3, Path("com3")}, {4, Path("com4")}});
        services.Timer1.SetInterval(1500);
        form = std::make_unique<ui::TMatrixForm>(bundle, &prompts);
        form->SetConnectOnFirstShow(false);
        form->Core().Link().Limits.TickMs = 20;
        form->Core().Link().Limits.StreamTimeoutMs = 700;
        form->Core().Link().Limits.QueryPauseMs = 10;
        form->Core().Ethernet().SetRemotePort(sim->TcpPort());
        form->show();
        QCoreApplication::processEvents();
    }

    // The lines the simulator received, in order, each with the link it came over.
    struct WireLine {
        std::string link;  // "tcp" or "serial"
        std::string text;
    };
    std::vector<WireLine> WireWithLinks() const {
        std::ifstream in(dir.Path() / "transcript.txt");
        std::vector<WireLine> lines;
        std::string l;
        while (std::getline(in, l)) {
            std::istringstream fields(l);
            std::string ms, link, rest;
            fields >> ms >> link;
            std::getline(fields, rest);
            lines.push_back({link, rest.empty() ? rest : rest.substr(1)});
        }
        return lines;
    }

    // The lines the simulator received, in order, without their timestamps and links.
    std::vector<std::string> Wire() const {
        std::vector<std::string> lines;
        for (const auto& l : WireWithLinks()) lines.push_back(l.text);
        return lines;
    }

    // The wire without the bare returns of probes and prompt checks.
    std::vector<std::string> WireLines() const {
        std::vector<std::string> out;
        for (const auto& l : Wire())
            if (!l.empty()) out.push_back(l);
        return out;
    }

    TempWorkingDir dir;
    platform::QtServices services;
    LinkServices bundle = services.Bundle();
    ScriptedPrompter prompts;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<ui::TMatrixForm> form;
};

}  // namespace vx::test
