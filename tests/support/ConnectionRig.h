#pragma once
// The whole link and read machinery over fakes, with connection management on top.
#include <string>
#include <vector>

#include "FakeSwitcher.h"
#include "QuietProgress.h"
#include "RecordingGroupingView.h"
#include "RecordingPresetHooks.h"
#include "RecordingRoutingView.h"
#include "TransportRig.h"
#include "connection/ConnectionManager.h"
#include "connection/ReadSequence.h"
#include "groups/Grouping.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"
#include "status/StatusReader.h"

namespace vx::test {

struct QuietPages : LabelEnableView, SetupPageView {
    void SetInputLabelEnabled(int, bool) override {}
    void SetOutputLabelEnabled(int, bool) override {}
    void SetFrontPanelLockChecked(bool) override {}
    void SetVIStateChecked(bool) override {}
    void SetIpText(const std::string&) override {}
    void SetFirmwareText(const std::string&) override {}
};

struct RecordingConnectionView : ConnectionView {
    void SetSearchEnabled(bool on) override { searchEnabled = on; }
    void SetReadEnabled(bool on) override { readEnabled = on; }
    void SetDisconnectEnabled(bool on) override { disconnectEnabled = on; }
    void SetComChecked(int n, bool on) override { comChecked[n] = on; }
    LinkChoice SelectorEntry() const override { return selector; }
    void SetSelectorEntry(LinkChoice e) override { selector = e; }
    void FocusConnectionGroup() override { ++focusMoves; }
    bool searchEnabled = true, readEnabled = false, disconnectEnabled = true;
    bool comChecked[5] = {false, true, false, false, false};
    LinkChoice selector = LinkChoice::Serial;
    int focusMoves = 0;
};

struct ConnectionRig : TransportRig {
    RecordingRoutingView routingView;
    RecordingGroupingView groupingView;
    RecordingPresetHooks presetHooks;
    QuietProgress progress;
    QuietPages pages;
    RecordingConnectionView view;
    OutputDisplay display{model, sender, routingView};
    Crosspoint crosspoint{model, sender, routingView, display, presetHooks};
    Grouping grouping{model, sender, groupingView};
    StatusReader reader{ctx, statusQuery, progress};
    ReadSequence readSequence{ctx, reader, progress, crosspoint, presetHooks,
                              RefreshTargets{display, pages, grouping, pages}};
    ConnectionManager manager{ctx, exchanges, sender, serialLink, ethernetLink, readSequence,
                              progress, ipField, view};

    // A switcher that answers on COM n.
    void SwitcherOnCom(int n) {
        serial.availablePorts = {n};
        serial.onWrite = [this](const std::string& line) { serial.Answer(FakeSwitcherAnswer(line), 5); };
    }
    // A switcher that answers over TCP.
    void SwitcherOnTcp() {
        tcp.onSend = [this](const std::string& line) { tcp.Answer(FakeSwitcherAnswer(line), 5); };
    }
    // Lines of the serial link, one per write.
    const std::vector<std::string>& SerialLines() const { return serial.writes; }
};

}  // namespace vx::test
