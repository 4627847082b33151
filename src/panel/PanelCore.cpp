#include "panel/PanelCore.h"

#include <utility>

#include "activity/RouteChangeWords.h"
#include "link/ExchangeScope.h"
#include "model/HandlerGuard.h"
#include "presets/PreviewTexts.h"
#include "protect/ProtectSettings.h"

namespace vx {

PanelCore::PanelCore(PanelServices services, PanelViews views)
    : services_(services),
      views_(views),
      linkPrompts_(services.Prompts),
      ctx_{model_,          link_,           services.Serial, services.Tcp, services.Time,
           services.Events, services.Timer1, linkPrompts_,    views.Window},
      loggedFiles_(services.Files, link_.Activity),
      loggedFollow_(views.Follow, link_.Activity),
      exchanges_(ctx_),
      sender_(ctx_, exchanges_),
      outputs_(model_, sender_, views.Routing),
      crosspoint_(model_, sender_, views.Routing, outputs_, presetHooks_),
      keyRouting_(model_, crosspoint_, views.Window),
      grouping_(model_, sender_, views.Grouping),
      serialLink_(ctx_, exchanges_, views.ComLabel),
      ethernetLink_(ctx_, exchanges_, views.IpField),
      statusQuery_(ctx_, serialLink_, ethernetLink_),
      reader_(ctx_, statusQuery_, views.Progress),
      readSequence_(ctx_, reader_, views.Progress, crosspoint_, presetHooks_,
                    RefreshTargets{outputs_, views.LabelEnables, grouping_, views.Setup}),
      presets_(model_, sender_, crosspoint_, views.PresetBox, [this] { readSequence_.RefreshSwitchingPages(); }),
      sequencer_(presets_, views.Sequencing, services.Prompts, services.PresetSeqTimer),
      connection_(ctx_, exchanges_, sender_, serialLink_, ethernetLink_, readSequence_, views.Progress,
                  views.IpField, views.Connection),
      setup_(ctx_, sender_, reader_, readSequence_, views.Progress, views.SetupCommands),
      labels_(model_, views.NameBoxes, views.Names),
      configFile_(model_, loggedFiles_, services.Prompts, views.Window, labels_,
                  ConfigRedraw{outputs_, crosspoint_, grouping_}),
      follower_(ctx_, reader_, services.FollowTimer, linkPrompts_, loggedFollow_, MakeFollowHooks()),
      tcpListener_(ethernetLink_, follower_, linkPrompts_, ctx_),
      protectedClear_(model_, sender_, crosspoint_, outputs_, presetHooks_, services.Prompts, protection_),
      undo_(model_, sender_, crosspoint_, outputs_, views.Window, protection_) {
    // Nothing the operator does may run while the window is being built.
    model_.HandlerBusy = 1;
    model_.SerialPortOpen = 0;
    model_.EthernetConnected = 0;
    link_.EthernetConnecting = false;
    serialLink_.Attach();
    link_.Activity.SetLinkName([this]() -> std::string {
        if (link_.SerialLinkActive) return "COM" + std::to_string(services_.Serial.PortNumber());
        return model_.EthernetConnected ? "TCP" : "none";
    });
    ethernetLink_.Attach();
    // Follow mode hears of a dropped TCP connection before the Ethernet link does.
    services_.Tcp.SetListener(&tcpListener_);
    serialLink_.SetPortLostHandler([this] {
        follower_.SerialPortLost();
        connection_.SerialPortLost();
    });
    // The timers fire from the event loop, also inside a wait; the watchdog's handler takes
    // over from the one the serial link set for itself.
    services_.Timer1.SetHandler([this] { services_.RunHandler([this] { Timer1Timer(); }); });
    services_.PresetSeqTimer.SetHandler([this] { services_.RunHandler([this] { PresetSeqTimerTimer(); }); });
    services_.FollowTimer.SetHandler([this] { services_.RunHandler([this] { FollowTimerTimer(); }); });
    // Protected outputs: no selection, no keyboard route and no sequence step reaches them.
    crosspoint_.SetOutputGate([this](int o) { return RefusedProtected(o); });
    keyRouting_.SetProtectHandler([this](int o) { ToggleProtection(o); });
    sequencer_.SetRecallFilter([this](int p) { return SequenceRecallSkipped(p); });
}

FollowHooks PanelCore::MakeFollowHooks() {
    FollowHooks hooks;
    hooks.Redraw = [this] {
        {
            SuppressEventsScope quiet(model_);
            readSequence_.RefreshFromModel();
        }
        // The refresh enables every input; the selected output keeps its group rule.
        if (IsIndex(model_.SelectedOutput, MaxOutputs)) {
            crosspoint_.ColourInputsForOutput(model_.SelectedOutput);
            crosspoint_.ApplyInputGroupRule(model_.SelectedOutput);
        }
        Settle(StaleAtSwitcher);
    };
    hooks.Reconnect = [this](const std::string& address) {
        if (address.empty()) return false;
        if (ethernetLink_.ConnectTo(address) == ConnectOutcome::Answered) {
            link_.Activity.Note("Link", "Switcher answered over TCP at " + address, "reconnected",
                                {{"address", address}});
            return true;
        }
        // A connection without an answer is closed; the next attempt starts afresh.
        if (services_.Tcp.IsActive()) services_.Tcp.Close();
        return false;
    };
    hooks.FullRead = [this] { readSequence_.ReadfromVextaros1Click(); };
    hooks.Address = [this] { return views_.IpField.IpText(); };
    hooks.Save = [this](const FollowSettings& s) { settings_.SaveFollow(s); };
    return hooks;
}

template <class F>
void PanelCore::Verified(F&& action, bool onlyWhenAsked) {
    const RouteSnapshot before = follower_.BeforeAction();
    action();
    if (onlyWhenAsked && AskedRoutes(before, model_).empty()) return;
    follower_.VerifyAfter(before);
}

template <class F>
void PanelCore::ChoosingLink(F&& action) {
    Follower::LinkChoice choice(follower_);
    action();
}

template <class F>
void PanelCore::Selecting(F&& action) {
    const int selected = model_.SelectedOutput;
    action();
    if (model_.SelectedOutput != selected) follower_.OutputSelected(model_.SelectedOutput);
}

template <class F>
void PanelCore::Noted(const char* name, F&& action) {
    ActivityLog& log = link_.Activity;
    if (!log.On()) {
        action();
        return;
    }
    const std::string what = name;
    const ActivityLog::Tally before = log.Lines();
    const InForceState was = InForceNow(model_);
    const InForceState shownBefore = InForceAsShown(model_);
    action();
    const ActivityLog::Tally after = log.Lines();
    // Only an action that sent something is an operator action of the log's; its lines
    // are logged one by one as they went.
    if (after.Lines() == before.Lines()) return;
    // What it put in force; failing that, what it left pending (a route chosen, not taken).
    std::string words = RouteChangeWords(was, InForceNow(model_));
    if (words.empty()) {
        words = RouteChangeWords(shownBefore, InForceAsShown(model_));
        if (!words.empty()) words += " (pending)";
    }
    log.Note(what, words, ActivityLog::Summary(before, after),
             {{"lines", std::to_string(after.Lines() - before.Lines())}});
}

template <class F>
bool PanelCore::Act(F&& action) {
    if (ExchangeOpen()) return false;
    {
        ExchangeScope scope(link_);
        action();
    }
    Settle(StaleAtSwitcher);
    RunDeferredTick();
    RunDeferredPoll();
    return true;
}

template <class F, class R>
void PanelCore::Act(F&& action, R&& redraw) {
    if (!Act(std::forward<F>(action))) redraw();
}

PanelCore::~PanelCore() {
    // The services outlive the panel: nothing they report may reach its links any more.
    services_.Serial.SetListener(nullptr);
    services_.Tcp.SetListener(nullptr);
    services_.Timer1.SetHandler({});
    services_.PresetSeqTimer.Stop();
    services_.PresetSeqTimer.SetHandler({});
    services_.FollowTimer.Stop();
    services_.FollowTimer.SetHandler({});
}

void PanelCore::FormCreate() {
    // The slots take the names the boxes start with (the model is 16 x 16 here).
    labels_.GatherLabels();
    labels_.ShowLabels(NameFamily::Preset);
    model_.SelectedOutput = NO_INPUT;
    model_.SelectedPreset = NO_INPUT;
    grouping_.InitGroups();
    presets_.InitPresets();
    model_.HandlerBusy = 0;
}

void PanelCore::FormShow() { model_.EventsSuppressed = 1; }

void PanelCore::StartupConnection() {
    Act([&] { ChoosingLink([&] { connection_.FormShow(); }); });
}

bool PanelCore::FormCloseQuery() {
    // Closing the TCP link under an exchange would pull the socket from under its wait:
    // an exit that arrives inside one is ignored and the window stays open.
    bool close = false;
    Act([&] {
        if (!ctx_.Prompts.AskYesNo(ExitQuestion, ExitCaption)) return;
        ChoosingLink([&] {
            if (services_.Tcp.IsActive()) services_.Tcp.Close();
        });
        close = true;
    });
    return close;
}

void PanelCore::EndSession() {
    services_.PresetSeqTimer.Stop();
    services_.FollowTimer.Stop();
    ChoosingLink([&] {
        if (services_.Tcp.IsActive()) services_.Tcp.Close();
        link_.SerialLinkActive = false;
        if (services_.Serial.IsOpen()) services_.Serial.Close();
    });
}

void PanelCore::OutputButtonClick(int o) {
    Act([&] { Selecting([&] { crosspoint_.OutputButtonClick(o); }); });
}
void PanelCore::InputButtonClick(int k) {
    Act([&] { Noted("Route", [&] { crosspoint_.InputButtonClick(k); }); });
}
void PanelCore::ReclockerCheckBoxClick(int o) {
    const auto redraw = [&] { outputs_.ShowReclocker(o); };
    Act(
        [&] {
            if (RefusedUnderPreview() || RefusedProtected(o)) {
                redraw();
                return;
            }
            Noted("Reclocker", [&] { outputs_.ReclockerCheckBoxClick(o); });
            Settle(StaleSince);
        },
        redraw);
}
void PanelCore::TakeButtonClick() {
    Act([&] {
        if (model_.PreviewActive != 0 && ConfirmRefused()) return;
        Noted("Take", [&] { AsStep("", [&] { Verified([&] { crosspoint_.TakeButtonClick(); }); }); });
    });
}
void PanelCore::CancelTakeButtonClick() {
    Act([&] { Noted("Cancel", [&] { crosspoint_.CancelTakeButtonClick(); }); });
}
void PanelCore::ClearAllRoutingButtonClick() {
    Act([&] {
        Noted("Clear All Routing", [&] {
            AsStep("Clear All Routing",
                   [&] { Verified([&] { protectedClear_.ClearAllRoutingButtonClick(); }); });
        });
    });
}
bool PanelCore::VideoPageKey(KeyStroke k) {
    bool used = false;
    Act([&] {
        // Ctrl+Enter is the Take button: under a preview it is a Confirm, checked as one.
        if (k.Key == RoutingKey::Take && model_.PreviewActive != 0 && ConfirmRefused()) {
            used = true;
            return;
        }
        Noted("Key", [&] {
            AsStep("", [&] { Selecting([&] { Verified([&] { used = keyRouting_.Key(k); }, true); }); });
        });
    });
    return used;
}
void PanelCore::VideoPageEntered() {
    Act([&] {
        // The page withdraws what is pending, and an open preview is all pending: it ends
        // as the box's Cancel ends it, then the operator's own pending routes go too.
        Noted("Cancel", [&] {
            if (model_.PreviewActive != 0) presets_.CancelPresetRecall();
            crosspoint_.CancelPending();
        });
    });
}

// The selector has already moved to the new group: the page follows it, wait or not.
void PanelCore::GroupingRadioGroupClick() {
    grouping_.GroupingRadioGroupClick();
}
void PanelCore::GroupInputButtonClick(int i) {
    Act([&] {
        if (!RefusedUnderPreview()) Noted("Group", [&] { grouping_.GroupInputButtonClick(i); });
    });
}
void PanelCore::GroupOutputButtonClick(int o) {
    Act([&] {
        if (!RefusedUnderPreview()) Noted("Group", [&] { grouping_.GroupOutputButtonClick(o); });
    });
}
void PanelCore::GroupingRemoveButtonClick() {
    Act([&] {
        if (!RefusedUnderPreview()) Noted("Group", [&] { grouping_.GroupingRemoveButtonClick(); });
    });
}
void PanelCore::GroupingRemoveAllButtonClick() {
    Act([&] {
        if (!RefusedUnderPreview()) Noted("Group", [&] { grouping_.GroupingRemoveAllButtonClick(); });
    });
}

void PanelCore::PresetsSaveButtonClick() {
    Act([&] { Noted("Preset Save", [&] { presets_.PresetsSaveButtonClick(); }); });
}
void PanelCore::PresetSaveCancelButtonClick() {
    Act([&] { presets_.PresetSaveCancelButtonClick(); });
}
void PanelCore::PresetsRecallButtonClick() {
    Act([&] { presets_.PresetsRecallButtonClick(); });
}
void PanelCore::PresetButtonClick(int p) {
    Act([&] {
        // A recall that would change a protected output never opens its preview.
        if (presets_.Mode() == PresetBoxMode::Recall && RecallRefused(p)) return;
        const bool previewing = model_.PreviewActive != 0;
        const InForceState base = InForceNow(model_);
        // Storing takes the pending routes first: that take is a step of its own.
        Noted(("Preset " + std::to_string(p + 1)).c_str(),
              [&] { AsStep("", [&] { presets_.PresetButtonClick(p); }); });
        if (!previewing && model_.PreviewActive != 0) previewBase_ = base;
    });
}
void PanelCore::PresetRecallConfirmButtonClick() {
    Act([&] {
        if (model_.PreviewActive != 0 && ConfirmRefused()) return;
        Noted("Confirm",
              [&] { AsStep("", [&] { Verified([&] { presets_.PresetRecallConfirmButtonClick(); }); }); });
    });
}
void PanelCore::PresetRecallCancelButtonClick() {
    Act([&] { Noted("Cancel preset", [&] { presets_.PresetRecallCancelButtonClick(); }); });
}

// The "On" box only enables its row's edits: nothing to keep out of a wait.
void PanelCore::PresetSeqEnableCheckBoxClick(int k) {
    sequencer_.PresetSeqEnableCheckBoxClick(k);
}
void PanelCore::PresetSeqEditExit(int k) {
    Act([&] { sequencer_.ValidateSequencePreset(k); });
}
void PanelCore::PresetDelayEditExit(int k) {
    Act([&] { sequencer_.ValidateSequenceDelay(k); });
}
void PanelCore::PresetSeqStartButtonClick() {
    Act([&] {
        Noted("Sequence start", [&] { Verified([&] { sequencer_.StartSequence(); }); });
        Settle(StaleBySequence);
    });
}
// Stop only halts the timer and redraws the page: it is honoured inside a wait too, and
// no recall follows it.
void PanelCore::PresetSeqStopButtonClick() { sequencer_.StopSequence(); }

void PanelCore::PresetSeqTimerTimer() {
    if (!TickMayRun()) {
        sequencer_.DeferTick();
        return;
    }
    {
        ExchangeScope scope(link_);
        Noted("Sequence step", [&] { Verified([&] { sequencer_.SequenceTick(); }); });
    }
    Settle(StaleBySequence);
    RunDeferredPoll();
}

void PanelCore::RunDeferredTick() {
    if (sequencer_.TickDeferred() && TickMayRun()) PresetSeqTimerTimer();
}

void PanelCore::FollowTimerTimer() {
    if (!PollMayRun()) {
        follower_.Defer();
        return;
    }
    follower_.TimerFired();
    RunDeferredTick();
}

void PanelCore::RunDeferredPoll() {
    if (follower_.Deferred() && PollMayRun()) FollowTimerTimer();
}

// The check box and the interval box change nothing on the switcher, so they act even in
// the middle of a wait: a poll they start waits for it like any other.
void PanelCore::FollowCheckBoxClick(bool on) {
    FollowSettings s = follower_.Settings();
    s.On = on;
    follower_.Change(s);
}

void PanelCore::FollowIntervalChange(int seconds) {
    FollowSettings s = follower_.Settings();
    s.IntervalSeconds = seconds;
    follower_.Change(s);
}

void PanelCore::SetFollow(const FollowSettings& settings) {
    follower_.Change(settings);
}

void PanelCore::LoadPanelSettings(const std::string& path, TextFileStore& store) {
    // An unreadable file leaves the panel's settings as they are.
    const auto loaded = settings_.Load(store, path);
    if (!loaded) return;
    follower_.Load(loaded->Follow);
    protection_.Load(loaded->Protection);
    NotifyProtection(-1);
}

void PanelCore::NameBoxExit(NameBox box) { labels_.NameBoxExit(box); }
bool PanelCore::NameBoxKeyPress(NameBox box, char32_t key) {
    if (!Labeling::IsChainKey(key)) return false;
    Act([&] { labels_.MoveToNextBox(box); });
    return true;
}
void PanelCore::ResetInputLabelsButtonClick() { Act([&] { labels_.ResetInputLabelsButtonClick(); }); }
void PanelCore::ResetOutputLabelsButtonClick() { Act([&] { labels_.ResetOutputLabelsButtonClick(); }); }
void PanelCore::ResetGroupLabelsButtonClick() { Act([&] { labels_.ResetGroupLabelsButtonClick(); }); }
void PanelCore::ResetPresetLabelsButtonClick() { Act([&] { labels_.ResetPresetLabelsButtonClick(); }); }

// A file saved under a preview would hold a state the switcher never had; one opened
// under it would lie beneath a preview that Confirm then recalls over it.
void PanelCore::SaveConfigurationtoFile1Click() {
    Act([&] {
        if (!RefusedUnderPreview()) configFile_.SaveConfigurationtoFile1Click();
    });
}
void PanelCore::OpenConfigurationFile1Click() {
    Act([&] {
        if (RefusedUnderPreview()) return;
        KeepProtectedRoutes([&] { configFile_.OpenConfigurationFile1Click(); });
        Settle(StaleSince);
    });
}

void PanelCore::ReadfromVextaros1Click() {
    Act([&] { Noted("Read", [&] { readSequence_.ReadfromVextaros1Click(); }); });
}
void PanelCore::SearchAllClick() {
    Act([&] { ChoosingLink([&] { connection_.SearchAllClick(); }); });
}
void PanelCore::COMClick(int n) {
    Act([&] { ChoosingLink([&] { connection_.COMClick(n); }); });
}
void PanelCore::DisconnectSerialCommunication1Click() {
    Act([&] { ChoosingLink([&] { connection_.DisconnectSerialCommunication1Click(); }); });
}
void PanelCore::SerialModeRadioGroupClick() {
    Act([&] { ChoosingLink([&] { connection_.SerialModeRadioGroupClick(); }); }, [&] { ShowLinkInUse(); });
}
void PanelCore::IPAddressButtonClick() {
    Act([&] {
        Noted("Change IP Address", [&] { ChoosingLink([&] { connection_.IPAddressButtonClick(); }); });
    });
}
void PanelCore::N192001Click() { Act([&] { serialLink_.N192001Click(); }); }
void PanelCore::N384001Click() { Act([&] { serialLink_.N384001Click(); }); }
void PanelCore::N576001Click() { Act([&] { serialLink_.N576001Click(); }); }

void PanelCore::FrontPanelLockCheckBoxClick() {
    Act([&] { Noted("Front Panel Lockout", [&] { setup_.FrontPanelLockCheckBoxClick(); }); },
        [&] { views_.Setup.SetFrontPanelLockChecked(model_.Info.FrontPanelLocked != 0); });
}
void PanelCore::VIStateCheckBoxClick() {
    Act([&] { Noted("VI State", [&] { setup_.VIStateCheckBoxClick(); }); },
        [&] { views_.Setup.SetVIStateChecked(model_.Info.VIState != 0); });
}
// A reset or a System Recall would change the switcher's routes, reclockers and groups
// beneath an open preview.
void PanelCore::ResetButtonClick() {
    Act([&] {
        if (!RefusedUnderPreview() && !RefusedForProtected("Reset"))
            Noted("Reset", [&] { setup_.ResetButtonClick(); });
    });
}
void PanelCore::FactoryResetButtonClick() {
    Act([&] {
        if (!RefusedUnderPreview() && !RefusedForProtected("Factory Reset"))
            Noted("Factory Reset", [&] { setup_.FactoryResetButtonClick(); });
    });
}
void PanelCore::SystemSaveButtonClick() {
    Act([&] { Noted("System Save", [&] { setup_.SystemSaveButtonClick(); }); });
}
void PanelCore::SystemRecallButtonClick() {
    Act([&] {
        if (!RefusedUnderPreview() && !RefusedForProtected("System Recall"))
            Noted("System Recall", [&] { setup_.SystemRecallButtonClick(); });
    });
}

bool PanelCore::RefusedUnderPreview() {
    if (model_.PreviewActive == 0) return false;
    views_.Window.ShowStatus(PreviewOpenText);
    return true;
}

void PanelCore::ShowLinkInUse() {
    views_.Connection.SetSelectorEntry(model_.EthernetConnected ? LinkChoice::Ethernet : LinkChoice::Serial);
}

template <class F>
void PanelCore::AsStep(const std::string& what, F&& action) {
    const bool preview = model_.PreviewActive != 0;
    const InForceState before = InForceBeforePreview();
    std::string name = what;
    // A take under a preview is its Confirm.
    if (preview && what.empty() && IsIndex(model_.SelectedPreset, PresetCount))
        name = "preset " + std::to_string(model_.SelectedPreset + 1);
    action();
    if (model_.PreviewActive != 0) return;  // still a preview: nothing was put in force
    if (auto step = StepBetween(name, before, InForceNow(model_))) undo_.History().Record(std::move(*step));
}

void PanelCore::UndoTakeClick() {
    Act([&] { Noted("Undo", [&] { Verified([&] { undo_.Undo(sequencer_.Running()); }); }); });
}
void PanelCore::RedoTakeClick() {
    Act([&] { Noted("Redo", [&] { Verified([&] { undo_.Redo(sequencer_.Running()); }); }); });
}

void PanelCore::ProtectOutputClick(int o) {
    Act([&] { ToggleProtection(o); });
}
// The watchdog must fire inside the waits it bounds.
void PanelCore::Timer1Timer() { serialLink_.Timer1Timer(); }

}  // namespace vx
