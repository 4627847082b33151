#pragma once
// The whole panel without its widgets: the one SwitcherState and LinkState of the
// process and every core object, built and wired here from the platform services and
// the window's view ports. The operator's actions come in as the handler calls below;
// everything the panel shows goes out through the views.
//
// Every handler below builds a request and hands it to the one door (Submit), which runs
// it outside any exchange with the switcher. A wait for the switcher processes events, so
// a click can arrive in the middle of another action: it is ignored, as a guarded handler
// is while the panel is busy. A check box or selector the operator changed for nothing is
// drawn again from the model. Only the watchdog, the page change's look, choosing a group on the Grouping
// page, leaving a name box, a sequencer row's On box and the sequencer's Stop run inside
// a wait.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "activity/ActivityLog.h"
#include "connection/ConnectionManager.h"
#include "connection/ReadSequence.h"
#include "connection/SetupCommands.h"
#include "files/StdTextFileStore.h"
#include "follow/FollowTcpListener.h"
#include "follow/Follower.h"
#include "follow/LoggedFollowView.h"
#include "follow/QuietPrompter.h"
#include "groups/Grouping.h"
#include "labels/ConfigFile.h"
#include "labels/Labeling.h"
#include "labels/LoggedConfigFileStore.h"
#include "link/CommandSender.h"
#include "link/EthernetLink.h"
#include "link/Exchanges.h"
#include "link/LinkContext.h"
#include "link/LinkState.h"
#include "link/SerialLink.h"
#include "link/StatusQuery.h"
#include "model/InForce.h"
#include "model/SwitcherState.h"
#include "changes/PanelPicture.h"
#include "panel/PanelServices.h"
#include "panel/PendingAside.h"
#include "panel/PictureViews.h"
#include "panel/RequestRunner.h"
#include "panel/PanelSettingsKeeper.h"
#include "presets/Presets.h"
#include "presets/Sequencer.h"
#include "protect/ProtectedClear.h"
#include "protect/ProtectedOutputs.h"
#include "request/Request.h"
#include "request/Verdict.h"
#include "routing/Crosspoint.h"
#include "link/BackgroundWaits.h"
#include "routing/KeyBacklog.h"
#include "routing/KeyRouting.h"
#include "routing/OutputDisplay.h"
#include "settings/PanelSettingsFile.h"
#include "status/StatusReader.h"
#include "undo/TakeUndo.h"

namespace vx {

inline constexpr const char* ExitQuestion = "Are you sure you want to exit this application?";
inline constexpr const char* ExitCaption = "Tavrel Kessway - VX Control :Confirm Exit";

class PanelCore {
public:
    PanelCore(PanelServices services, PanelViews views);
    ~PanelCore();
    PanelCore(const PanelCore&) = delete;
    PanelCore& operator=(const PanelCore&) = delete;

    // The model as the window's construction leaves it: 16 x 16, nothing selected,
    // the groups initialised, the handler guard open.
    void FormCreate();
    // The first showing: EventsSuppressed stays set until the first successful load.
    void FormShow();
    // The start-up question and whatever connection it leads to.
    void StartupConnection();
    // True when the operator confirmed exit; an open TCP connection is closed then. An
    // exit inside an exchange is ignored and the window stays open.
    bool FormCloseQuery();
    // The process ends without the exit question (a signal: logout, kill, a closed
    // terminal): the timers stop, and the TCP connection and the serial port are closed,
    // which frees the port and its lock file for the next program at once. Called once the
    // event loop has ended, so no exchange is open.
    void EndSession();

    // "Video Switching" page.
    void OutputButtonClick(int o);
    void InputButtonClick(int k);
    // Refused under an open preset preview: the box is drawn again from the model.
    void ReclockerCheckBoxClick(int o);
    void TakeButtonClick();
    void CancelTakeButtonClick();
    void ClearAllRoutingButtonClick();
    // The page control moved to the "Video Switching" page: an open preview ends as the
    // box's Cancel ends it, and pending routes are withdrawn.
    void VideoPageEntered();
    // A key typed on the "Video Switching" page outside any text field; true when it
    // belonged to the keyboard routing. A key typed while the panel waits is kept and
    // handled, in order, as soon as the wait is over.
    bool VideoPageKey(KeyStroke k);

    // "Grouping" page. Choosing a group only redraws the page for the group the selector
    // already shows, so it runs even in the middle of a wait.
    void GroupingRadioGroupClick();
    // The group edits are refused under an open preset preview.
    void GroupInputButtonClick(int i);
    void GroupOutputButtonClick(int o);
    void GroupingRemoveButtonClick();
    void GroupingRemoveAllButtonClick();

    // Preset box.
    void PresetsSaveButtonClick();
    void PresetSaveCancelButtonClick();
    void PresetsRecallButtonClick();
    void PresetButtonClick(int p);  // p = 0..7
    void PresetRecallConfirmButtonClick();
    void PresetRecallCancelButtonClick();

    // "Sequencing" page; rows k = 0..7.
    void PresetSeqEnableCheckBoxClick(int k);
    void PresetSeqEditExit(int k);
    void PresetDelayEditExit(int k);
    void PresetSeqStartButtonClick();
    void PresetSeqStopButtonClick();
    // The sequencer's timer. A tick never runs inside an exchange with the switcher nor
    // under an open preset preview: it waits until they are over.
    void PresetSeqTimerTimer();

    // "Labeling" page. Leaving a box only redraws names and writes slots, so it runs even
    // in the middle of a wait (a box also loses the focus when a wait disables the pages).
    void NameBoxExit(NameBox box);
    // A character typed into a box: true when it was Enter, which moves to the next box.
    bool NameBoxKeyPress(NameBox box, char32_t key);
    void ResetInputLabelsButtonClick();
    void ResetOutputLabelsButtonClick();
    void ResetGroupLabelsButtonClick();
    void ResetPresetLabelsButtonClick();

    // Menu "File"; a file action that arrives while the panel waits is ignored, and one
    // under an open preset preview is refused with a word on the status line.
    void SaveConfigurationtoFile1Click();
    void OpenConfigurationFile1Click();

    // Menus and the Setup page's connection controls.
    void ReadfromVextaros1Click();  // also the UpdateStatus button
    void SearchAllClick();          // "Connect to Vextaro SDI"
    void COMClick(int n);           // Open COM n, n = 1..4
    void DisconnectSerialCommunication1Click();
    void SerialModeRadioGroupClick();
    void IPAddressButtonClick();
    // The advanced settings' rates.
    void N192001Click();
    void N384001Click();
    void N576001Click();
    void Timer1Timer();

    // The Setup page's switcher-wide commands; a reset and System Recall are refused under
    // an open preset preview.
    void FrontPanelLockCheckBoxClick();
    void VIStateCheckBoxClick();
    void ResetButtonClick();
    void FactoryResetButtonClick();
    void SystemSaveButtonClick();
    void SystemRecallButtonClick();

    // Follow mode: the Setup page's check box and interval box, and --follow SECONDS. The
    // settings are remembered in the panel's settings file once it has been loaded.
    void FollowCheckBoxClick(bool on);
    void FollowIntervalChange(int seconds);
    void SetFollow(const FollowSettings& settings);
    void LoadPanelSettings(const std::string& path = PanelSettingsFileName,
                           TextFileStore& store = DefaultTextFileStore());
    // Follow mode's timer: a poll, kept back like the sequencer's tick while anything else
    // is under way, and run once it is over.
    void FollowTimerTimer();

    // Menu "Edit": the newest take put back, or the newest undone take done again. Each
    // Take, Confirm of a previewed preset and Clear All Routing is one step; the
    // sequencer's recalls are not.
    void UndoTakeClick();
    void RedoTakeClick();
    // The Edit menu's items: "Undo Take: outputs 3, 4", with why a step is refused.
    std::string UndoText() const { return undo_.History().UndoText(); }
    std::string RedoText() const { return undo_.History().RedoText(); }
    bool CanUndo() const { return undo_.History().CanUndo(); }
    bool CanRedo() const { return undo_.History().CanRedo(); }
    // Runs whenever the Edit menu's texts or states may have changed.
    void OnUndoChanged(std::function<void()> listener);

    // Protected outputs (0-based): nothing in the panel changes them. The output button's
    // context menu protects or unprotects one; p, its number and Enter do the same.
    void ProtectOutputClick(int o);
    bool IsProtected(int output) const { return protection_.IsProtected(output); }
    // What the switcher holds in force as the panel knows it; under a preview, what was in
    // force before it (the preview is the panel's alone).
    InForceState RoutesInForce() const { return InForceBeforePreview(); }
    // Runs with the output whose protection changed, or -1 when any may have (another
    // switcher was read, or the settings were loaded).
    void OnProtectionChanged(std::function<void(int)> listener);

    // The activity log: records go to sink, stamped from env; without them nothing is kept.
    void AttachActivity(ActivityEnvironment* env, ActivitySink* sink) { activity_.Attach(env, sink); }
    ActivityLog& Activity() { return activity_; }

    // True while an action or an exchange with the switcher is under way.
    bool ExchangeOpen() const { return link_.ExchangeDepth > 0; }

    SwitcherState& Model() { return model_; }
    LinkState& Link() { return link_; }
    LinkContext& Context() { return ctx_; }
    CommandSender& Sender() { return sender_; }
    OutputDisplay& Outputs() { return outputs_; }
    vx::Presets& Presets() { return presets_; }
    Sequencer& Sequencing() { return sequencer_; }
    SerialLink& Serial() { return serialLink_; }
    EthernetLink& Ethernet() { return ethernetLink_; }
    StatusReader& Reader() { return reader_; }
    ConnectionManager& Connection() { return connection_; }
    Labeling& Names() { return labels_; }
    Follower& Following() { return follower_; }

    // The one door: every operator intent, whoever asks (the window, the crosspoint matrix,
    // the keyboard, the sequencer, vxctl, a router client), enters here as a request and
    // comes back with a verdict. The handlers above are the window's adapters to it.
    Verdict Submit(const Request& r) { return runner_.Run(r); }
    // One more guard, asked after the others: the router clients' locks. Empty when the
    // request may run; else the status line's words.
    void SetLockGuard(std::function<std::string(const Request&)> guard) { lockGuard_ = std::move(guard); }
    // Requests kept while an exchange was open, waiting to run.
    std::size_t QueuedRequests() const { return runner_.QueuedCount(); }

    // The one stream of changes out of the core, and what it shows beyond the model: the
    // names the captions show and follow mode's marks. Changes made outside the door (a
    // tool's own reads) are published by PublishChanges.
    ChangeStream& Changes() { return picture_.Changes(); }
    const PanelPicture& Picture() const { return picture_; }
    // A router client's lock, drawn wherever the output's marks are.
    void SetLockHolder(int output, const std::string& address) { picture_.SetLockHolder(output, address); }
    void PublishChanges();

private:
    // Each guard, asked once per request in this order: an open preview, protected
    // outputs, the groups. Empty when the request may run; else the status line's words.
    std::string Refusal(const Request& r);
    std::string PreviewRefusal(const Request& r) const;
    std::string ProtectionRefusal(const Request& r);
    std::string GroupRefusal(const Request& r) const;
    // Many hands: before a request that puts routes in force, when anything is protected
    // or follow is on, the switcher's routes are read and the routes pending elsewhere set
    // aside; after it they go back to pending. False, with the verdict saying why, when
    // the switcher could not be read: nothing is sent then.
    bool PrepareTake(const Request& r, Verdict& v);
    void FinishTake(const Request& r);
    bool Linked() const;
    // The protection of the switcher the model was last read from: carried along when its
    // address changed on the same link, said when another switcher's applies.
    void FollowSwitcher();
    bool ReadsBeforeTake() const;
    // With outputs protected, preset p as the switcher stores it now; false when unread.
    bool ReadPresetBeforeRecall(int p);
    bool PrepareConfirm(Verdict& v);
    // After preset p was read under its preview: the preview shows it as stored, but for
    // what the operator changed in it.
    void ShowPresetAsStored(int p, const PresetRecord& previewed);
    // A click on the input shown for an output whose route is pending: its withdrawal.
    bool Withdraws(const Request& r) const;
    bool PrepareWithdraw(const Request& r, Verdict& v);
    // The protected outputs a recall of preset p would change, by what was just read.
    std::vector<int> ProtectedChangedByRecall(int p) const;
    // Carries out a request the guards let through.
    void Perform(const Request& r, Verdict& v);
    void PerformRouteNow(const Request& r, Verdict& v);
    void Rename(const Request& r);  // in PanelCoreRename.cpp
    // A control that changed on screen for a request ignored or refused is drawn again.
    void Redraw(const Request& r);
    // An ignored selector click leaves the selector showing the link really in use.
    void ShowLinkInUse();
    // A sequencer tick kept back by an exchange or a preview runs once both are over.
    bool TickMayRun() const { return !ExchangeOpen() && model_.PreviewActive == 0; }
    void RunDeferredTick();
    // A follow poll waits for the same as the sequencer's tick.
    bool PollMayRun() const { return TickMayRun(); }
    void RunDeferredPoll();
    // The keys typed during a wait, fed in order once nothing waits any more.
    void FeedKeptKeys();
    FollowHooks MakeFollowHooks();
    RequestRunner MakeRunner();
    // After an action: the protection of the switcher now read applies, and an undo step
    // whose outputs no longer hold what it expects is marked with why.
    void Settle(const char* why);
    // The state in force, taken from before the preview while one is open.
    InForceState InForceBeforePreview() const;
    void ToggleProtection(int o);
    // The protected outputs named, when preset p's recall would change one; else empty.
    std::string RecallRefusal(int p) const;
    std::string ConfirmRefusal() const;
    bool SequenceRecallSkipped(int p);
    // A reset or System Recall puts the switcher's own saved routes in force, whatever
    // is protected: refused, naming the outputs, while any output is protected.
    std::string SwitcherWideRefusal(const std::string& what) const;
    // A configuration file brings routes into the panel: protected outputs keep theirs.
    void KeepProtectedRoutes(const std::function<void()>& action);
    void SaveProtection();
    void NotifyProtection(int output);

    // The preview hooks of the routing page and the read end in the presets.
    struct PresetHooks : PresetRecallHooks {
        PanelCore& core;
        explicit PresetHooks(PanelCore& c) : core(c) {}
        void ConfirmPresetRecall() override { core.presets_.ConfirmPresetRecall(); }
        void CancelPresetRecall() override { core.presets_.CancelPresetRecall(); }
    };
    PanelServices services_;
    PanelViews views_;
    // The link layer's prompter: quiet while follow mode polls or reconnects.
    QuietPrompter linkPrompts_;
    SwitcherState model_;
    // The activity log of the process; the link writes its lines and events to it.
    ActivityLog activity_;
    LinkState link_{activity_};
    // Follow's own TCP waits let the window run; every other wait is as it always was.
    BackgroundClock clock_;
    BackgroundTcp tcp_;
    LinkContext ctx_;
    LoggedConfigFileStore loggedFiles_;
    PanelPicture picture_;
    PictureNames pictureNames_;
    PictureMarks pictureMarks_;
    LoggedFollowView loggedFollow_;
    Exchanges exchanges_;
    CommandSender sender_;
    PresetHooks presetHooks_{*this};
    OutputDisplay outputs_;
    Crosspoint crosspoint_;
    KeyRouting keyRouting_;
    KeyBacklog keyBacklog_{keyRouting_};  // keys typed while the panel waits
    Grouping grouping_;
    SerialLink serialLink_;
    EthernetLink ethernetLink_;
    LinkStatusQuery statusQuery_;
    StatusReader reader_;
    ReadSequence readSequence_;
    vx::Presets presets_;
    Sequencer sequencer_;
    ConnectionManager connection_;
    SetupCommands setup_;
    Labeling labels_;
    ConfigFile configFile_;
    Follower follower_;
    FollowTcpListener tcpListener_;
    ProtectedOutputs protection_;
    ProtectedClear protectedClear_;
    TakeUndo undo_;
    OwnPending own_;
    PendingAside aside_;
    bool asideTaken_ = false;  // the request under way set routes aside
    // What FollowSwitcher last saw of the link, and whether this panel changed the address.
    int infoReadsSeen_ = -1;
    int linkOpeningsSeen_ = -1;
    bool addressChangedHere_ = false;
    bool clearConfirmed_ = false;  // Clear All's question was answered before the read
    RequestRunner runner_;
    InForceState previewBase_;  // the state in force when the open preview began
    std::vector<std::function<void(int)>> protectionListeners_;
    std::vector<std::function<void()>> undoListeners_;
    std::function<std::string(const Request&)> lockGuard_;
    // Nothing is written to the settings file until it has been loaded.
    PanelSettingsKeeper settings_{views_.Window, services_.Prompts, activity_};
};

}  // namespace vx
