#pragma once
// The whole panel against a running vxsim: the real main window on the real Qt adapters,
// COM1 mapped to the simulator's pseudo-terminal (COM2 to COM4 to paths where nothing
// answers), the TCP port pointed at the simulator, a scripted prompter, and time limits
// short enough that no test waits out a product time-out.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "FakePorts.h"
#include "SimProcess.h"
#include "SimTranscript.h"
#include "TempWorkingDir.h"
#include "platform/QtServices.h"
#include "ui/RadioGroup.h"
#include "ui/TMatrixForm.h"

namespace vx::test {

// The twenty queries of a full read, in the order the panel sends them.
inline const std::vector<std::string> kReadOrder = {
    "MINFOVX",    "OINFOVX",    "OPINFOVX",   "PINFOVX 0",  "PINFOVX 1",  "PINFOVX 2",  "PINFOVX 3",
    "PINFOVX 4",  "PINFOVX 5",  "PINFOVX 6",  "PINFOVX 7",  "GINFOVX",    "PGINFOVX 0", "PGINFOVX 1",
    "PGINFOVX 2", "PGINFOVX 3", "PGINFOVX 4", "PGINFOVX 5", "PGINFOVX 6", "PGINFOVX 7"};

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

    void Click(const QString& name) const {
        auto* b = form->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        b->click();
    }
    // Routes output o from input i and takes it (both 1-based, as on the buttons).
    void Route(int o, int i) {
        Click(QString("OutputButton%1").arg(o));
        Click(QString("InputButton%1").arg(i));
        Click("TakeButton");
    }

    QString Path(const char* name) const { return QString::fromStdString((dir.Path() / name).string()); }

    // Starts the simulator with extra options and builds the window on it.
    void Start(QStringList simArgs = {}) {
        simArgs << "--tcp"
                << "127.0.0.1:0"
                << "--serial" << Path("com1") << "--transcript" << Path("transcript.txt");
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->Started()) << sim->Output().toStdString();
        services.Serial.SetPortPaths(
            {{1, Path("com1")}, {2, Path("com2")}, {3, Path("com3")}, {4, Path("com4")}});
        services.Timer1.SetInterval(1500);
        form = std::make_unique<ui::TMatrixForm>(bundle, &prompts);
        form->SetConnectOnFirstShow(false);
        form->Core().Link().Limits.TickMs = 20;
        form->Core().Link().Limits.StreamTimeoutMs = 700;
        form->Core().Link().Limits.QueryPauseMs = 10;
        form->Core().Ethernet().SetRemotePort(sim->TcpPort());
        form->show();
        QCoreApplication::processEvents();
        // Every page, as the window has them a moment after it opened.
        form->BuildAllPages();
    }

    ui::RadioGroup* LinkSelector() const { return form->findChild<ui::RadioGroup*>("SerialModeRadioGroup"); }
    // The operator picks an entry of the link selector: 0 for RS-232, 1 for Ethernet.
    void Choose(int entry) {
        LinkSelector()->SetItemIndex(entry);
        emit LinkSelector()->ItemClicked(entry);
    }
    // Yes to the start-up question: the switcher is found on COM1 and read.
    void ConnectSerial() {
        prompts.answers = {true};
        form->Core().StartupConnection();
        ASSERT_TRUE(form->Core().Link().SerialLinkActive);
    }
    // Ethernet chosen with the simulator's address: connected and read over TCP.
    void ConnectTcp() {
        form->findChild<QLineEdit*>("IPAddrEdit")->setText("127.0.0.1");
        Choose(1);
        ASSERT_EQ(form->Core().Model().EthernetConnected, 1);
    }

    // Processes events until done() holds or ms have passed; whether it holds.
    template <class Done>
    static bool EventsUntil(Done done, int ms = 3000) {
        return QTest::qWaitFor(done, ms);
    }

    // The lines the simulator received from entry `from` on, in order, each with its time
    // and the link it came over.
    std::vector<WireLine> WireWithLinks(std::size_t from = 0) const {
        return ReadTranscript(dir.Path() / "transcript.txt", from);
    }
    // Waits, bounded, until the last non-empty line the simulator received is `line`.
    bool WireEndsWith(const std::string& line) const {
        return EventsUntil([&] {
            const auto w = WireLines();
            return !w.empty() && w.back() == line;
        });
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
