#include "connection/SetupCommands.h"

#include "connection/SetupTexts.h"
#include "model/HandlerGuard.h"

namespace vx {
namespace {

// The "File" and "Serial Port" menus stay closed for the whole of a reset handler and
// open again on every way out of it.
class ResetMenusClosed {
public:
    explicit ResetMenusClosed(SetupCommandView& view) : view_(view) { view_.SetResetMenusEnabled(false); }
    ~ResetMenusClosed() { view_.SetResetMenusEnabled(true); }
    ResetMenusClosed(const ResetMenusClosed&) = delete;
    ResetMenusClosed& operator=(const ResetMenusClosed&) = delete;

private:
    SetupCommandView& view_;
};

// The progress window is hidden again however the reset command ends, so it is never
// left on top of the panel.
class ProgressShown {
public:
    explicit ProgressShown(ProgressView& view) : view_(view) { view_.Show(); }
    ~ProgressShown() { view_.Hide(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    ProgressView& view_;
};

}  // namespace

SetupCommands::SetupCommands(LinkContext& ctx, CommandSender& sender, StatusReader& reader,
                             ReadSequence& pages, ProgressView& progress, SetupCommandView& view)
    : c_(ctx), sender_(sender), reader_(reader), pages_(pages), progress_(progress), view_(view) {}

bool SetupCommands::MayRun() const {
    return c_.Model.EventsSuppressed == 0 && (c_.Link.SerialLinkActive || c_.Model.EthernetConnected);
}

template <class F>
void SetupCommands::Frame(F&& action) {
    HandlerGuard guard(c_.Model);
    if (!guard) return;
    if (MayRun()) action();
}

void SetupCommands::FrontPanelLockCheckBoxClick() { FrontPanelLockCheckBoxClick(view_.FrontPanelLockChecked()); }
void SetupCommands::VIStateCheckBoxClick() { VIStateCheckBoxClick(view_.VIStateChecked()); }

void SetupCommands::FrontPanelLockCheckBoxClick(bool on) {
    Frame([this, on] {
        sender_.SendFrontPanelLock(on ? 1 : 0);
        c_.Model.Info.FrontPanelLocked = on ? 1 : 0;
    });
}

void SetupCommands::VIStateCheckBoxClick(bool on) {
    Frame([this, on] {
        sender_.SendVIState(on ? 1 : 0);
        c_.Model.Info.VIState = on ? 1 : 0;
    });
}

void SetupCommands::SystemSaveButtonClick() {
    Frame([this] { sender_.SendSystemSave(); });
}

void SetupCommands::SystemRecallButtonClick() {
    Frame([this] {
        // One hourglass over the command and the read, not one for each.
        HourglassScope hourglass(c_.View);
        sender_.SendSystemRecall();
        // A failed read has said why; the page then shows what the model held before.
        reader_.ReadMatrixInfo();
        // Setting the boxes from the model is no operator click: no lockout or source echo.
        SuppressEventsScope quiet(c_.Model);
        pages_.RefreshSetupPage();
    });
}

void SetupCommands::ResetButtonClick() {
    Reset(ResetQuestion, &CommandSender::SendReset);
}
void SetupCommands::FactoryResetButtonClick() {
    Reset(FactoryResetQuestion, &CommandSender::SendFactoryReset);
}

void SetupCommands::Reset(const char* question, void (CommandSender::*send)()) {
    HandlerGuard guard(c_.Model);
    if (!guard) return;
    ResetMenusClosed menus(view_);
    if (!MayRun() || !c_.Prompts.AskYesNo(question, ResetCaption)) return;
    progress_.SetInfoText(ResetProgressText);
    ProgressShown shown(progress_);
    // On the screen before the command blocks the thread, over serial for up to the long
    // reset wait per try.
    c_.Events.ProcessEvents();
    progress_.Repaint();
    c_.Events.ProcessEvents();
    (sender_.*send)();
}

}  // namespace vx
