#pragma once
// The whole panel core over fakes: the services a window would get, views that record
// what the window would show, and an event delivery that plays the serial port's
// notifications and the watchdog the way the event loop does.
#include <string>
#include <vector>

#include "ConnectionRig.h"
#include "FakeConfigFileStore.h"
#include "FakeLinkServices.h"
#include "FakeSetupPage.h"
#include "FakeSwitcher.h"
#include "RecordingFollowView.h"
#include "RecordingGroupingView.h"
#include "RecordingLabelViews.h"
#include "RecordingPresetBoxView.h"
#include "RecordingRoutingView.h"
#include "RecordingSequencingView.h"
#include "TransportRig.h"
#include "panel/PanelCore.h"

namespace vx::test {

struct PanelRig {
    FakeLinkServices fakes;
    ScriptedPrompter prompts;
    RecordingLinkView window;
    RecordingSerialLinkView comLabel;
    FakeIpAddressField ipField;
    RecordingRoutingView routing;
    RecordingGroupingView grouping;
    RecordingPresetBoxView presetBox;
    QuietProgress progress;
    QuietPages pages;
    RecordingConnectionView connection;
    FakeSetupPage setupPage;
    RecordingSequencingView sequencing;
    FakeConfigFileStore files;
    RecordingNameBoxes nameBoxes;
    RecordingNameCaptions names;
    RecordingFollowView follow;
    // What the timers fired through the runner, as the window's handler runner sees it.
    int timerRuns = 0;
    PanelCore core{CountedRuns(PanelServices::From(fakes.bundle, prompts, files)),
                   PanelViews{window, comLabel, ipField, routing, grouping, presetBox, progress, pages,
                              setupPage, connection, setupPage, sequencing, nameBoxes, names, follow}};

    // Runs at every event delivery, after the port and the watchdog: an operator's click
    // arriving while the panel waits, say.
    std::function<void()> duringEvents;
    int watchdogMs = 9000;

    PanelRig() {
        core.FormCreate();
        fakes.events.onEvents = [this] { DeliverEvents(); };
    }

    // A switcher on COM n that answers every line as the fake switcher does.
    void SwitcherOnCom(int n) {
        fakes.serial.availablePorts = {n};
        fakes.serial.onWrite = [this](const std::string& line) {
            fakes.serial.Answer(FakeSwitcherAnswer(line), 5);
        };
    }
    // The serial link in use on the fake port, as a connect leaves it.
    void SerialLinkInUse() {
        fakes.serial.open = true;
        core.Model().SerialPortOpen = 1;
        core.Link().SerialLinkActive = true;
    }
    // A switcher on TCP that answers the same way.
    void SwitcherOnTcp() {
        fakes.tcp.onSend = [this](const std::string& line) { fakes.tcp.Answer(FakeSwitcherAnswer(line), 5); };
    }
    // The serial lines written, without the bare returns of probes and prompt checks.
    std::vector<std::string> SerialCommands() const {
        std::vector<std::string> out;
        for (const auto& w : fakes.serial.writes)
            if (w != "\r") out.push_back(w);
        return out;
    }

private:
    PanelServices CountedRuns(PanelServices services) {
        services.RunHandler = [this](const std::function<void()>& handler) {
            ++timerRuns;
            handler();
        };
        return services;
    }

    void DeliverEvents() {
        auto& clock = fakes.clock;
        if (fakes.timer1.starts != startsSeen_) {  // armed again since the last look
            startsSeen_ = fakes.timer1.starts;
            watchdogStartedAt_ = clock.now;
        }
        const std::size_t ready = fakes.serial.incoming.CountReadyBy(clock.now);
        if (ready > 0 && fakes.serial.open && fakes.serial.listener) fakes.serial.listener->DataAvailable(ready);
        if (fakes.timer1.running && clock.now - watchdogStartedAt_ >= watchdogMs) fakes.timer1.Fire();
        if (duringEvents) duringEvents();
    }

    int startsSeen_ = 0;
    std::int64_t watchdogStartedAt_ = 0;
};

}  // namespace vx::test
