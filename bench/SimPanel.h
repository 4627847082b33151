#pragma once
// The benchmarks' rig: vxsim (16 x 16, its serial end paced at a given baud rate) on a
// pseudo-terminal and a loopback TCP port, and the real window wired to it, COM1 being
// the simulator's serial end.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "link/Ports.h"
#include "platform/QtServices.h"
#include "ui/TMatrixForm.h"

// Answers Yes to the start-up question; any message means the benchmark went wrong.
struct BenchPrompter : vx::Prompter {
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void ShowMessage(const std::string& text, const std::string&) override { messages.push_back(text); }
    bool AskYesNo(const std::string&, const std::string&) override { return true; }
    std::vector<std::string> messages;
};

// Says on standard error what went wrong, with the messages the panel showed; returns 1.
int BenchFail(const char* program, const char* what, const std::vector<std::string>& messages = {});

class SimPanel {
public:
    // Starts vxsim with the extra arguments; Started() tells whether it came up.
    SimPanel(const char* vxsim, double baud, const QStringList& extraArgs = {});
    ~SimPanel();

    bool Started() const { return form != nullptr; }
    // Leaves the serial link for Ethernet on the Setup page, as the operator does; true
    // when the panel is connected over TCP.
    bool ChooseEthernet();

    QTemporaryDir dir;
    QProcess sim;
    int tcpPort = 0;
    vx::platform::QtServices services;
    BenchPrompter prompts;
    std::unique_ptr<vx::LinkServices> bundle;
    std::unique_ptr<vx::ui::TMatrixForm> form;
};
