#include "panel/PanelCore.h"

#include <utility>

#include "activity/RouteChangeWords.h"
#include "link/ExchangeScope.h"
#include "model/HandlerGuard.h"
#include "model/LiveCount.h"
#include "presets/PreviewTexts.h"
#include "protect/ProtectSettings.h"

namespace vx {

PanelCore::PanelCore(PanelServices services, PanelViews views)
    : services_(services),
      views_(views),
      linkPrompts_(services.Prompts),
      clock_(services.Time, services.Events, link_),
      tcp_(services.Tcp, services.Time, services.Events, link_),
      ctx_{model_,          link_,           services.Serial, tcp_,        clock_,
           services.Events, services.Timer1, linkPrompts_,    views.Window},
      loggedFiles_(services.Files, activity_),
      pictureNames_(views.Names, picture_),
      pictureMarks_(views.Follow, picture_),
      loggedFollow_(pictureMarks_, activity_),
      exchanges_(ctx_),
      sender_(ctx_, exchanges_),
      outputs_(model_, sender_, views.Routing),
      crosspoint_(model_, sender_, views.Routing, outputs_, presetHooks_),
      keyRouting_(model_, [this](const Request& r) { Submit(r); }, views.Window),
      grouping_(model_, sender_, views.Grouping),
      serialLink_(ctx_, exchanges_, views.ComLabel),
      ethernetLink_(ctx_, exchanges_, views.IpField),
      statusQuery_(ctx_, serialLink_, ethernetLink_),
      reader_(ctx_, statusQuery_, views.Progress),
      readSequence_(ctx_, reader_, views.Progress, crosspoint_, presetHooks_,
                    RefreshTargets{outputs_, views.LabelEnables, grouping_, views.Setup}),
      presets_(model_, sender_, crosspoint_, views.PresetBox,
               [this] { readSequence_.RefreshSwitchingPages(); }),
      sequencer_(presets_, views.Sequencing, services.Prompts, services.PresetSeqTimer),
      connection_(ctx_, exchanges_, sender_, serialLink_, ethernetLink_, readSequence_, views.Progress,
                  views.IpField, views.Connection),
      setup_(ctx_, sender_, reader_, readSequence_, views.Progress, views.SetupCommands),
      labels_(model_, views.NameBoxes, pictureNames_),
      configFile_(model_, loggedFiles_, services.Prompts, views.Window, labels_,
                  ConfigRedraw{outputs_, crosspoint_, grouping_}),
      follower_(ctx_, reader_, services.FollowTimer, linkPrompts_, loggedFollow_, MakeFollowHooks()),
      tcpListener_(ethernetLink_, follower_, linkPrompts_, ctx_),
      protectedClear_(model_, crosspoint_, outputs_, presetHooks_, services.Prompts, protection_),
      undo_(model_, sender_, crosspoint_, outputs_, views.Window, protection_),
      aside_(model_, sender_, reader_, outputs_),
      runner_(MakeRunner()) {
    // Nothing the operator does may run while the window is being built.
    model_.HandlerBusy = 1;
    model_.SerialPortOpen = 0;
    model_.EthernetConnected = 0;
    link_.EthernetConnecting = false;
    serialLink_.Attach();
    activity_.SetLinkName([this]() -> std::string {
        if (link_.SerialLinkActive) return "COM" + std::to_string(services_.Serial.PortNumber());
        return model_.EthernetConnected ? "TCP" : "none";
    });
    ethernetLink_.Attach();
    // Follow mode hears of a dropped TCP connection before the Ethernet link does.
    services_.Tcp.SetListener(&tcpListener_);
    serialLink_.SetPortLostHandler([this] {
        follower_.SerialPortLost();
        connection_.SerialPortLost();
        PublishChanges();
    });
    // The timers fire from the event loop, also inside a wait; the watchdog's handler takes
    // over from the one the serial link set for itself.
    services_.Timer1.SetHandler([this] { services_.RunHandler([this] { Timer1Timer(); }); });
    services_.PresetSeqTimer.SetHandler([this] { services_.RunHandler([this] { PresetSeqTimerTimer(); }); });
    services_.FollowTimer.SetHandler([this] { services_.RunHandler([this] { FollowTimerTimer(); }); });
    // Protected outputs: no sequence step reaches them, nor a recall's reclocker line.
    presets_.SetReclockGate([this](int o) { return protection_.IsProtected(o); });
    sequencer_.SetRecallFilter([this](int p) { return SequenceRecallSkipped(p); });
    configFile_.SetSwitcherHoldsPicture([this] { return follower_.On(); });
    // The routing side drawn again from the model is a moment to publish what changed.
    outputs_.OnRefreshed([this] { PublishChanges(); });
    // The picture's first look: changes are published from here on.
    PublishChanges();
}

void PanelCore::PublishChanges() {
    // A switcher found smaller than before lets go of an output it no longer has.
    const int selected = model_.SelectedOutput;
    if (selected != NO_INPUT && !IsIndex(selected, LiveCount(model_.OutputCount, MaxOutputs))) {
        model_.SelectedOutput = NO_INPUT;
        if (IsIndex(selected, MaxOutputs)) views_.Routing.SetOutputButtonColour(selected, Colour::ButtonFace);
        for (int k = 0; k < MaxInputs; ++k) views_.Routing.SetInputButtonColour(k, Colour::ButtonFace);
    }
    std::bitset<MaxOutputs> kept;
    for (int o = 0; o < MaxOutputs; ++o) kept[o] = protection_.IsProtected(o);
    const bool present = (link_.SerialLinkActive || model_.EthernetConnected != 0) && !follower_.Reconnecting();
    picture_.Catch(model_, kept, present);
}

FollowHooks PanelCore::MakeFollowHooks() {
    FollowHooks hooks;
    hooks.Redraw = [this] {
        {
            SuppressEventsScope quiet(model_);
            // The IP field is the operator's between reads: a poll leaves it alone.
            readSequence_.RefreshAllButIpField();
        }
        // The refresh enables every input; the selected output keeps its group rule.
        if (IsIndex(model_.SelectedOutput, MaxOutputs)) {
            crosspoint_.ColourInputsForOutput(model_.SelectedOutput);
            crosspoint_.ApplyInputGroupRule(model_.SelectedOutput);
        }
        Settle(StaleAtSwitcher);
    };
    hooks.Reconnect = [this](const std::string& address, int attempt) {
        if (address.empty()) return false;
        if (ethernetLink_.ConnectTo(address) == ConnectOutcome::Answered) {
            activity_.Note("Link",
                           "Switcher answered over TCP at " + address + " after " + std::to_string(attempt) +
                               (attempt == 1 ? " attempt" : " attempts"),
                           "reconnected", {{"address", address}, {"attempts", std::to_string(attempt)}});
            return true;
        }
        // A connection without an answer is closed; the next attempt starts afresh.
        if (services_.Tcp.IsActive()) services_.Tcp.Close();
        return false;
    };
    hooks.FullRead = [this] { readSequence_.ReadfromVextaros1Click(); };
    hooks.Address = [this] { return ethernetLink_.LastAddress(); };
    hooks.Save = [this](const FollowSettings& s) { settings_.SaveFollow(s); };
    return hooks;
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

RequestRunner PanelCore::MakeRunner() {
    RequestRunner::Hooks hooks;
    hooks.Refusal = [this](const Request& r) { return Refusal(r); };
    hooks.Perform = [this](const Request& r, Verdict& v) { Perform(r, v); };
    hooks.Redraw = [this](const Request& r) { Redraw(r); };
    hooks.Settle = [this](const char* why) { Settle(why); };
    hooks.AfterRequest = [this] {
        FeedKeptKeys();
        RunDeferredTick();
        RunDeferredPoll();
    };
    hooks.InForceBeforePreview = [this] { return InForceBeforePreview(); };
    hooks.Prepare = [this](const Request& r, Verdict& v) { return PrepareTake(r, v); };
    hooks.Carried = [this](const Request& r, const std::array<RouteEntry, MaxOutputs>& before,
                           const std::array<RouteEntry, MaxOutputs>& made) {
        // A preview's pending routes are the panel's picture alone, never sent.
        if (model_.PreviewActive != 0) return;
        own_.Note(before, made, model_, RulesOf(r.What).MakesRoutes, aside_.Outputs());
    };
    hooks.Finish = [this](const Request& r) { FinishTake(r); };
    return RequestRunner({model_, link_, activity_, follower_, undo_.History(), views_.Window}, std::move(hooks));
}

// The window's adapters: each builds the request its control stands for.
void PanelCore::StartupConnection() { Submit(Ask(Intent::StartupConnection)); }
bool PanelCore::FormCloseQuery() { return Submit(Ask(Intent::Exit)).Done(); }

void PanelCore::EndSession() {
    services_.PresetSeqTimer.Stop();
    services_.FollowTimer.Stop();
    Follower::LinkChoice choice(follower_);
    if (services_.Tcp.IsActive()) services_.Tcp.Close();
    link_.SerialLinkActive = false;
    if (services_.Serial.IsOpen()) services_.Serial.Close();
    PublishChanges();
}

void PanelCore::OutputButtonClick(int o) { Submit(AskOutput(Intent::SelectOutput, o)); }
void PanelCore::InputButtonClick(int k) { Submit(AskInput(Intent::PickInput, k)); }
void PanelCore::ReclockerCheckBoxClick(int o) {
    // The box has already changed on screen: its state is the operator's intent.
    Request r = AskOutput(Intent::Reclocker, o);
    r.On = IsIndex(o, MaxOutputs) && views_.Routing.IsReclockerChecked(o);
    Submit(r);
}
void PanelCore::TakeButtonClick() { Submit(Ask(Intent::Take)); }
void PanelCore::CancelTakeButtonClick() { Submit(Ask(Intent::Cancel)); }
void PanelCore::ClearAllRoutingButtonClick() { Submit(Ask(Intent::ClearAll)); }
void PanelCore::VideoPageEntered() { Submit(Ask(Intent::LeaveRouting)); }
bool PanelCore::VideoPageKey(KeyStroke k) { return keyBacklog_.Key(k, ExchangeOpen()); }

void PanelCore::FeedKeptKeys() {
    keyBacklog_.Feed([this] { return ExchangeOpen(); });
}

// The selector has already moved to the new group: the page follows it, wait or not.
void PanelCore::GroupingRadioGroupClick() { grouping_.GroupingRadioGroupClick(); }
void PanelCore::GroupInputButtonClick(int i) {
    Request r = AskInput(Intent::GroupInput, i);
    r.Number = views_.Grouping.SelectedGroup();
    Submit(r);
}
void PanelCore::GroupOutputButtonClick(int o) {
    Request r = AskOutput(Intent::GroupOutput, o);
    r.Number = views_.Grouping.SelectedGroup();
    Submit(r);
}
void PanelCore::GroupingRemoveButtonClick() {
    Submit(AskNumber(Intent::GroupRemove, views_.Grouping.SelectedGroup()));
}
void PanelCore::GroupingRemoveAllButtonClick() { Submit(Ask(Intent::GroupRemoveAll)); }

void PanelCore::PresetsSaveButtonClick() { Submit(Ask(Intent::PresetSaveMode)); }
void PanelCore::PresetSaveCancelButtonClick() { Submit(Ask(Intent::PresetSaveCancel)); }
void PanelCore::PresetsRecallButtonClick() { Submit(Ask(Intent::PresetRecallMode)); }
void PanelCore::PresetButtonClick(int p) { Submit(AskNumber(Intent::Preset, p)); }
void PanelCore::PresetRecallConfirmButtonClick() { Submit(Ask(Intent::PresetConfirm)); }
void PanelCore::PresetRecallCancelButtonClick() { Submit(Ask(Intent::PresetCancel)); }

// The "On" box only enables its row's edits: nothing to keep out of a wait.
void PanelCore::PresetSeqEnableCheckBoxClick(int k) { sequencer_.PresetSeqEnableCheckBoxClick(k); }
void PanelCore::PresetSeqEditExit(int k) { Submit(AskNumber(Intent::SequenceRowPreset, k)); }
void PanelCore::PresetDelayEditExit(int k) { Submit(AskNumber(Intent::SequenceRowDelay, k)); }
void PanelCore::PresetSeqStartButtonClick() { Submit(Ask(Intent::SequenceStart)); }
// Stop only halts the timer and redraws the page: it is honoured inside a wait too, and
// no recall follows it.
void PanelCore::PresetSeqStopButtonClick() { sequencer_.StopSequence(); }

void PanelCore::PresetSeqTimerTimer() {
    if (!TickMayRun()) {
        sequencer_.DeferTick();
        return;
    }
    // The sequencer's step keeps its own rules: a recall that would change a protected
    // output is skipped with a word, and a step waits for a preview to end.
    Submit(Ask(Intent::SequenceStep, {Source::Sequencer, {}}));
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
    PublishChanges();
    FeedKeptKeys();
    RunDeferredTick();
    runner_.RunQueued();
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

void PanelCore::SetFollow(const FollowSettings& settings) { follower_.Change(settings); }

void PanelCore::LoadPanelSettings(const std::string& path, TextFileStore& store) {
    // An unreadable file leaves the panel's settings as they are.
    const auto loaded = settings_.Load(store, path);
    if (!loaded) return;
    follower_.Load(loaded->Follow);
    protection_.Load(loaded->Protection);
    NotifyProtection(-1);
    PublishChanges();
}

void PanelCore::NameBoxExit(NameBox box) { labels_.NameBoxExit(box); }
bool PanelCore::NameBoxKeyPress(NameBox box, char32_t key) {
    if (!Labeling::IsChainKey(key)) return false;
    Request r = AskNumber(Intent::NextNameBox, static_cast<int>(box.Family));
    r.Input = box.Index;
    Submit(r);
    return true;
}
void PanelCore::ResetInputLabelsButtonClick() {
    Submit(AskNumber(Intent::ResetNames, static_cast<int>(NameFamily::Input)));
}
void PanelCore::ResetOutputLabelsButtonClick() {
    Submit(AskNumber(Intent::ResetNames, static_cast<int>(NameFamily::Output)));
}
void PanelCore::ResetGroupLabelsButtonClick() {
    Submit(AskNumber(Intent::ResetNames, static_cast<int>(NameFamily::Group)));
}
void PanelCore::ResetPresetLabelsButtonClick() {
    Submit(AskNumber(Intent::ResetNames, static_cast<int>(NameFamily::Preset)));
}

void PanelCore::SaveConfigurationtoFile1Click() { Submit(Ask(Intent::SaveFile)); }
void PanelCore::OpenConfigurationFile1Click() { Submit(Ask(Intent::OpenFile)); }

void PanelCore::ReadfromVextaros1Click() { Submit(Ask(Intent::ReadSwitcher)); }
void PanelCore::SearchAllClick() { Submit(Ask(Intent::SearchSwitcher)); }
void PanelCore::COMClick(int n) { Submit(AskNumber(Intent::OpenCom, n)); }
void PanelCore::DisconnectSerialCommunication1Click() { Submit(Ask(Intent::DisconnectSerial)); }
void PanelCore::SerialModeRadioGroupClick() { Submit(Ask(Intent::ChooseLink)); }
void PanelCore::IPAddressButtonClick() { Submit(Ask(Intent::ChangeIpAddress)); }
void PanelCore::N192001Click() { Submit(AskNumber(Intent::SerialRate, 19200)); }
void PanelCore::N384001Click() { Submit(AskNumber(Intent::SerialRate, 38400)); }
void PanelCore::N576001Click() { Submit(AskNumber(Intent::SerialRate, 57600)); }

void PanelCore::FrontPanelLockCheckBoxClick() {
    Submit(AskOn(Intent::FrontPanelLock, views_.SetupCommands.FrontPanelLockChecked()));
}
void PanelCore::VIStateCheckBoxClick() { Submit(AskOn(Intent::VIState, views_.SetupCommands.VIStateChecked())); }
void PanelCore::ResetButtonClick() { Submit(Ask(Intent::Reset)); }
void PanelCore::FactoryResetButtonClick() { Submit(Ask(Intent::FactoryReset)); }
void PanelCore::SystemSaveButtonClick() { Submit(Ask(Intent::SystemSave)); }
void PanelCore::SystemRecallButtonClick() { Submit(Ask(Intent::SystemRecall)); }

void PanelCore::UndoTakeClick() { Submit(Ask(Intent::Undo)); }
void PanelCore::RedoTakeClick() { Submit(Ask(Intent::Redo)); }
void PanelCore::ProtectOutputClick(int o) { Submit(AskOutput(Intent::Protect, o)); }

// The watchdog must fire inside the waits it bounds.
void PanelCore::Timer1Timer() { serialLink_.Timer1Timer(); }

void PanelCore::ShowLinkInUse() {
    views_.Connection.SetSelectorEntry(model_.EthernetConnected ? LinkChoice::Ethernet : LinkChoice::Serial);
}

}  // namespace vx
