#pragma once
// The core's drawing calls for the routing side, passed on to the views of the pages and,
// once it is open, to the crosspoint matrix window: both are drawn from the same calls, so
// they always agree. It keeps what the window needs that the model does not hold (the names
// as the name boxes last showed them, follow mode's marks) and decides nothing.
#include <array>
#include <string>

#include "follow/FollowView.h"
#include "groups/GroupingView.h"
#include "labels/NameCaptionView.h"
#include "model/Records.h"
#include "routing/CrosspointCell.h"
#include "routing/RoutingView.h"

namespace vx::ui {

// What the crosspoint window redraws when the core has drawn something on the pages.
struct CrosspointRedraw {
    virtual ~CrosspointRedraw() = default;
    virtual void OutputChanged(int output) = 0;  // the output's routes, selection or marks
    virtual void GroupsChanged() = 0;            // the groups may have changed
    virtual void SizeChanged() = 0;              // the switcher's size may have changed
    virtual void InputNameChanged(int input) = 0;
    virtual void OutputNameChanged(int output) = 0;
};

class CrosspointFeed : public RoutingView, public GroupingView, public NameCaptionView, public FollowView {
public:
    CrosspointFeed(RoutingView& routing, GroupingView& grouping, NameCaptionView& names, FollowView& follow);

    // The window to redraw too; nullptr until it is first opened.
    void SetWindow(CrosspointRedraw* window) { window_ = window; }

    const std::string& InputName(int input) const;
    const std::string& OutputName(int output) const;
    // Follow mode's marks on the output, as last drawn on the page.
    OutputMarks MarksOf(int output) const;
    // The output button's colour as last drawn: yellow while the output is selected. The
    // core paints it before it notes the selection, so the model cannot say it yet.
    Colour OutputColour(int output) const;
    // A mark drawn outside these views (protection) changed on the output.
    void OutputMarkChanged(int output) { Output(output); }

    // RoutingView
    void SetOutputButtonColour(int output, Colour c) override;
    void SetInputButtonColour(int input, Colour c) override { routing_.SetInputButtonColour(input, c); }
    void SetVideoLabelText(int output, const std::string& text) override;
    void SetVideoLabelColour(int output, Colour c) override;
    void SetReclockerChecked(int output, bool on) override { routing_.SetReclockerChecked(output, on); }
    bool IsReclockerChecked(int output) const override { return routing_.IsReclockerChecked(output); }
    void SetOutputWidgetsEnabled(int output, bool on) override;
    void SetInputButtonEnabled(int input, bool on) override;
    void SetWindowTitle(const std::string& title) override { routing_.SetWindowTitle(title); }
    void SetTakeLight(bool lit) override { routing_.SetTakeLight(lit); }

    // GroupingView: every drawing of the Grouping page follows a change of the groups or of
    // the group shown.
    void SetGroupInputButtonColour(int input, Colour c) override;
    void SetGroupOutputButtonColour(int output, Colour c) override;
    void SetGroupInputButtonEnabled(int input, bool on) override;
    void SetGroupOutputButtonEnabled(int output, bool on) override;
    void SetGroupExistChecked(int group, bool on) override;
    void SetGroupExistEnabled(int group, bool on) override;
    void SetOutputFirstHintVisible(bool on) override { grouping_.SetOutputFirstHintVisible(on); }
    void SetGroupRadioItems(const std::vector<std::string>& items) override;
    void SelectGroupRadioItem(int group) override { grouping_.SelectGroupRadioItem(group); }
    int SelectedGroup() const override { return grouping_.SelectedGroup(); }

    // NameCaptionView
    void SetInputName(int input, const std::string& name) override;
    void SetOutputName(int output, const std::string& name) override;
    void SetGroupName(int group, const std::string& caption, const std::string& name) override {
        names_.SetGroupName(group, caption, name);
    }
    void SetPresetName(int preset, const std::string& name) override { names_.SetPresetName(preset, name); }

    // FollowView
    void SetOutputRemark(int output, OutputRemark kind, const std::string& words) override;
    void ShowFollowSettings(const FollowSettings& settings) override { follow_.ShowFollowSettings(settings); }
    void RouteChanged(const RouteChange& change) override { follow_.RouteChanged(change); }

private:
    void Output(int output) {
        if (window_) window_->OutputChanged(output);
    }
    void Groups() {
        if (window_) window_->GroupsChanged();
    }

    RoutingView& routing_;
    GroupingView& grouping_;
    NameCaptionView& names_;
    FollowView& follow_;
    CrosspointRedraw* window_ = nullptr;
    std::array<std::string, MaxInputs> inputNames_;
    std::array<std::string, MaxOutputs> outputNames_;
    std::array<OutputMarks, MaxOutputs> marks_;
    std::array<Colour, MaxOutputs> outputColours_{};
};

}  // namespace vx::ui
