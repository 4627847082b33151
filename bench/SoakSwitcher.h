#pragma once
// The soak's view of vxsim beside the panel: the switcher's state read by a second TCP
// client (all six status queries), and vxsim's fault switches changed through its control
// channel (its standard input) while it runs.
#include <QProcess>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "model/Records.h"
#include "model/SwitcherState.h"

struct SoakState {
    vx::DeviceInfo Info{};
    vx::RouteEntry Routes[vx::MaxOutputs]{};
    vx::byte PrevInputs[vx::MaxOutputs]{};
    vx::PresetRecord Presets[vx::PresetCount]{};
    vx::GroupTables Groups{};
    vx::GroupTables PresetGroups[vx::PresetCount]{};
};

// The state as vxsim holds it, read over a fresh connection; nothing when a query was not
// answered within a few seconds.
std::optional<SoakState> ReadSwitcher(int tcpPort);

// Every way the panel's model differs from the switcher's state, one line each.
std::vector<std::string> Differences(const vx::SwitcherState& model, const SoakState& sim);

// vxsim's control channel: one line, and its answer awaited.
class SimControl {
public:
    explicit SimControl(QProcess& sim) : sim_(sim) {}
    // True when vxsim answered "control: ok"; otherwise the answer is in Error().
    bool Send(const std::string& line);
    const std::string& Error() const { return error_; }

private:
    QProcess& sim_;
    QString pending_;
    std::string error_;
};
