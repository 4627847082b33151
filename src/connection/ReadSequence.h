#pragma once
// "Read from Vextaro": withdraws pending work, reads the whole switcher behind the
// progress window, and redraws every page from the model when the switcher answered.
#include "groups/Grouping.h"
#include "link/LinkContext.h"
#include "routing/Crosspoint.h"
#include "routing/OutputDisplay.h"
#include "routing/PresetRecallHooks.h"
#include "status/LabelEnableView.h"
#include "status/ProgressView.h"
#include "status/SetupPageView.h"
#include "status/StatusReader.h"

namespace vx {

// The pages RefreshFromModel redraws, in the order it redraws them.
struct RefreshTargets {
    OutputDisplay& Routing;
    LabelEnableView& Labels;
    Grouping& Groups;
    SetupPageView& Setup;
};

class ReadSequence {
public:
    ReadSequence(LinkContext& ctx, StatusReader& reader, ProgressView& progress, Crosspoint& crosspoint,
                 PresetRecallHooks& presets, RefreshTargets pages);

    // Handler of the menu item ReadfromVextaros1 and the UpdateStatus button; guarded.
    // Connection management runs it after every successful connect.
    void ReadfromVextaros1Click();
    // All six reads in order: 1 when the matrix information was read (whatever became
    // of the later reads, each of which shows its own message box), -1 when it was not.
    int ReadAllStatus();
    // Every page from the model. Leaves EventsSuppressed to the caller.
    void RefreshFromModel();
    // The pages a preset changes (routing, reclockers, groups), without the Setup page:
    // its IP field changes only on a full read, a System Recall or the operator's typing.
    void RefreshSwitchingPages();
    void RefreshLabelEnables();
    void RefreshSetupPage();
    // Every page from the model but the IP field: what a follow poll redraws.
    void RefreshAllButIpField();

private:
    LinkContext& c_;
    StatusReader& reader_;
    ProgressView& progress_;
    Crosspoint& crosspoint_;
    PresetRecallHooks& presets_;
    RefreshTargets pages_;
};

inline constexpr const char* QueryingText = "Querying Vextaro. Please wait....";
inline constexpr const char* QueryingInfoText = "VX Control querying Vextaro. Please wait....";
inline constexpr const char* ReadErrorCaption = "Kessway Tavrel - VX Control :Error reading from Vextaro(s)";

}  // namespace vx
