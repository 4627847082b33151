#pragma once
// The switcher-wide commands of the "Setup" page: front panel lockout, the vertical
// switching source, reset, factory reset, system save and system recall. Each runs in
// one frame: nothing while another action holds the handler guard, and the command only
// once the switcher has been read (EventsSuppressed clear) and while a link is in use.
#include "connection/ReadSequence.h"
#include "connection/SetupCommandView.h"
#include "link/CommandSender.h"
#include "link/LinkContext.h"
#include "status/ProgressView.h"
#include "status/StatusReader.h"

namespace vx {

class SetupCommands {
public:
    SetupCommands(LinkContext& ctx, CommandSender& sender, StatusReader& reader, ReadSequence& pages,
                  ProgressView& progress, SetupCommandView& view);

    // The check boxes send the state the operator's click gave them; the model follows.
    void FrontPanelLockCheckBoxClick();
    void VIStateCheckBoxClick();
    // The same with the state the operator gave the box.
    void FrontPanelLockCheckBoxClick(bool on);
    void VIStateCheckBoxClick(bool on);
    // Asked first; the switcher is not read back afterwards.
    void ResetButtonClick();
    void FactoryResetButtonClick();
    void SystemSaveButtonClick();
    // The saved settings come back on the switcher; its information block is read and the
    // "Setup" page and the firmware label show it. Nothing else is redrawn.
    void SystemRecallButtonClick();

private:
    template <class F>
    void Frame(F&& action);
    bool MayRun() const;
    void Reset(const char* question, void (CommandSender::*send)());

    LinkContext& c_;
    CommandSender& sender_;
    StatusReader& reader_;
    ReadSequence& pages_;
    ProgressView& progress_;
    SetupCommandView& view_;
};

}  // namespace vx
