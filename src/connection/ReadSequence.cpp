#include "connection/ReadSequence.h"

#include <exception>
#include <string>

#include "model/HandlerGuard.h"
#include "status/LabelEnables.h"
#include "status/SetupPage.h"

namespace vx {

namespace {

struct LaterRead {
    const char* dots;  // progress row before the read; there is no two-dot step
    bool (StatusReader::*read)();
    const char* failure;
};

constexpr LaterRead LaterReads[] = {
    {".", &StatusReader::ReadOutputStatus,
     "VX Control unable to read Output Status. (NOTE: VX Control settings on Output will be invalid)"},
    {"...", &StatusReader::ReadPrevOutputStatus,
     "VX Control unable to read Prev Output Status. (NOTE: VX Control settings on Output will be invalid)"},
    {"....", &StatusReader::ReadPresetStatus,
     "VX Control unable to read Preset Status. (NOTE: VX Control settings will be invalid)"},
    {".....", &StatusReader::ReadGroupingStatus,
     "VX Control unable to read Grouping Status. (NOTE: VX Control settings on Grouping will be invalid)"},
    {"......", &StatusReader::ReadPresetGroupStatus,
     "VX Control unable to read Preset Group Status. (NOTE: VX Control settings will be invalid)"},
};

constexpr const char* EthernetErrorText =
    "Vextaro communication error! Please check Ethernet connections and try again (";
constexpr const char* SerialErrorText =
    "Vextaro communication error! Please check Serial connections and try again (";

// Hides the progress window when an error escapes the reads, so it is not left on top.
class HideOnError {
public:
    explicit HideOnError(ProgressView& view) : view_(view), pending_(std::uncaught_exceptions()) {}
    ~HideOnError() {
        if (std::uncaught_exceptions() > pending_) view_.Hide();
    }
    HideOnError(const HideOnError&) = delete;
    HideOnError& operator=(const HideOnError&) = delete;

private:
    ProgressView& view_;
    int pending_;
};

}  // namespace

ReadSequence::ReadSequence(LinkContext& ctx, StatusReader& reader, ProgressView& progress,
                           Crosspoint& crosspoint, PresetRecallHooks& presets, RefreshTargets pages)
    : c_(ctx),
      reader_(reader),
      progress_(progress),
      crosspoint_(crosspoint),
      presets_(presets),
      pages_(pages) {}

void ReadSequence::ReadfromVextaros1Click() {
    SwitcherState& m = c_.Model;
    HandlerGuard guard(m);
    if (!guard) return;
    if (m.PreviewActive != 0) presets_.CancelPresetRecall();
    c_.View.ShowStatus(QueryingText);
    HourglassScope hourglass(c_.View);
    crosspoint_.CancelPending();
    // A withdrawn route's exchange empties the status line; the text stays for the read.
    c_.View.ShowStatus(QueryingText);
    const int result = ReadAllStatus();
    if (result > 0) {
        // The first successful read is what lets check-box events through at all; the
        // release also holds when a redraw raises an error.
        struct Release {
            SwitcherState& m;
            ~Release() { m.EventsSuppressed = 0; }
        } release{m};
        m.EventsSuppressed = 1;
        RefreshFromModel();
        c_.View.ShowStatus("");
    } else {
        // EventsSuppressed keeps its value and nothing is redrawn.
        c_.Prompts.ShowMessage(std::string(m.EthernetConnected ? EthernetErrorText : SerialErrorText) +
                               std::to_string(result) + ")");
        c_.View.ShowStatus("");
    }
}

int ReadSequence::ReadAllStatus() {
    HideOnError hideOnError(progress_);
    progress_.SetInfoText(QueryingInfoText);
    progress_.SetProgressText("");
    progress_.Show();
    if (!reader_.ReadMatrixInfo()) {
        progress_.Hide();
        return -1;
    }
    for (const LaterRead& step : LaterReads) {
        // After a failure the dots go on in the hidden window; it is not shown again.
        progress_.SetProgressText(step.dots);
        if (!(reader_.*step.read)()) {
            progress_.Hide();
            c_.Prompts.ShowMessage(step.failure, ReadErrorCaption);
        }
    }
    progress_.Hide();
    return 1;
}

void ReadSequence::RefreshFromModel() {
    RefreshSwitchingPages();
    RefreshSetupPage();
}

void ReadSequence::RefreshSwitchingPages() {
    pages_.Routing.RefreshRouting();
    RefreshLabelEnables();
    pages_.Groups.RefreshGroupingPage();
}

void ReadSequence::RefreshLabelEnables() {
    vx::RefreshLabelEnables(c_.Model, pages_.Labels);
}

void ReadSequence::RefreshAllButIpField() {
    RefreshSwitchingPages();
    vx::RefreshSetupSettings(c_.Model, pages_.Setup);
}

void ReadSequence::RefreshSetupPage() {
    vx::RefreshSetupPage(c_.Model, pages_.Setup);
}

}  // namespace vx
