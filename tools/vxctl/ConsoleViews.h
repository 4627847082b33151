#pragma once
// The panel core's view ports for a program without a window: nothing is drawn, the
// IP field holds a text of its own, and every message the panel would show in a box is
// kept for the program to print with its own verdict.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "model/Records.h"
#include "panel/PanelServices.h"

namespace vxctl {

class ConsoleViews : public vx::LinkView,
                     public vx::SerialLinkView,
                     public vx::IpAddressView,
                     public vx::RoutingView,
                     public vx::GroupingView,
                     public vx::PresetBoxView,
                     public vx::ProgressView,
                     public vx::LabelEnableView,
                     public vx::SetupPageView,
                     public vx::ConnectionView,
                     public vx::SetupCommandView,
                     public vx::SequencingView,
                     public vx::NameBoxView,
                     public vx::NameCaptionView,
                     public vx::FollowView,
                     public vx::Prompter {
public:
    vx::PanelViews Views() {
        return {*this, *this, *this, *this, *this, *this, *this, *this,
                *this, *this, *this, *this, *this, *this, *this};
    }
    // The messages the panel would have shown, in order.
    const std::vector<std::string>& Messages() const { return messages_; }

    // FollowView
    void SetOutputRemark(int, vx::OutputRemark, const std::string&) override {}
    void ShowFollowSettings(const vx::FollowSettings&) override {}
    void RouteChanged(const vx::RouteChange&) override {}
    // LinkView
    void ShowStatus(const std::string&) override {}
    void SetPageControlEnabled(bool) override {}
    bool IsHourglass() const override { return hourglass_; }
    void SetHourglass(bool on) override { hourglass_ = on; }
    // SerialLinkView
    void SetComNumberText(const std::string&) override {}
    // IpAddressView
    std::string IpText() const override { return ip_; }
    void SetIpText(const std::string& text) override { ip_ = text; }
    // RoutingView
    void SetOutputButtonColour(int, vx::Colour) override {}
    void SetInputButtonColour(int, vx::Colour) override {}
    void SetVideoLabelText(int, const std::string&) override {}
    void SetVideoLabelColour(int, vx::Colour) override {}
    void SetReclockerChecked(int o, bool on) override { reclockers_[Clamp(o)] = on; }
    bool IsReclockerChecked(int o) const override { return reclockers_[Clamp(o)]; }
    void SetOutputWidgetsEnabled(int, bool) override {}
    void SetInputButtonEnabled(int, bool) override {}
    void SetWindowTitle(const std::string&) override {}
    void SetTakeLight(bool) override {}
    // GroupingView
    void SetGroupInputButtonColour(int, vx::Colour) override {}
    void SetGroupOutputButtonColour(int, vx::Colour) override {}
    void SetGroupInputButtonEnabled(int, bool) override {}
    void SetGroupOutputButtonEnabled(int, bool) override {}
    void SetGroupExistChecked(int, bool) override {}
    void SetGroupExistEnabled(int, bool) override {}
    void SetOutputFirstHintVisible(bool) override {}
    void SetGroupRadioItems(const std::vector<std::string>&) override {}
    void SelectGroupRadioItem(int g) override { group_ = g; }
    int SelectedGroup() const override { return group_; }
    // PresetBoxView
    void SetSaveEnabled(bool) override {}
    void SetRecallEnabled(bool) override {}
    void SetSaveCancelEnabled(bool) override {}
    void SetRecallCancelEnabled(bool) override {}
    void SetConfirmEnabled(bool) override {}
    void SetPresetPageVisible(bool) override {}
    void SetPresetButtonEnabled(int, bool) override {}
    // SequencingView: no rows are ever on.
    bool IsRowOn(int) const override { return false; }
    std::string PresetText(int) const override { return ""; }
    std::string DelayText(int) const override { return ""; }
    void SetRowEditsEnabled(int, bool) override {}
    bool IsPageShown() const override { return false; }
    void FocusPresetEdit(int) override {}
    void FocusDelayEdit(int) override {}
    void SetRowsUnlocked(bool) override {}
    void SetRowColour(int, vx::Colour) override {}
    void SetSequenceLight(bool) override {}
    // NameBoxView: the boxes hold the numbers they start with in the panel.
    std::string BoxText(vx::NameBox box) const override { return std::to_string(box.Index + 1); }
    void SetBoxText(vx::NameBox, const std::string&) override {}
    bool IsBoxEnabled(vx::NameBox) const override { return true; }
    void FocusBox(vx::NameBox) override {}
    // NameCaptionView
    void SetInputName(int, const std::string&) override {}
    void SetOutputName(int, const std::string&) override {}
    void SetGroupName(int, const std::string&, const std::string&) override {}
    void SetPresetName(int, const std::string&) override {}
    // ProgressView
    void SetInfoText(const std::string&) override {}
    void SetProgressText(const std::string&) override {}
    void Show() override {}
    void Hide() override {}
    // LabelEnableView
    void SetInputLabelEnabled(int, bool) override {}
    void SetOutputLabelEnabled(int, bool) override {}
    // SetupPageView
    void SetFrontPanelLockChecked(bool on) override { lock_ = on; }
    void SetVIStateChecked(bool on) override { vi_ = on; }
    void SetFirmwareText(const std::string&) override {}
    // ConnectionView
    void SetSearchEnabled(bool) override {}
    void SetReadEnabled(bool) override {}
    void SetDisconnectEnabled(bool) override {}
    void SetComChecked(int, bool) override {}
    vx::LinkChoice SelectorEntry() const override { return choice_; }
    void SetSelectorEntry(vx::LinkChoice entry) override { choice_ = entry; }
    void FocusConnectionGroup() override {}
    // SetupCommandView
    bool FrontPanelLockChecked() const override { return lock_; }
    bool VIStateChecked() const override { return vi_; }
    void SetResetMenusEnabled(bool) override {}
    // Prompter: nobody is there to answer a question, so the answer is no.
    void ShowMessage(const std::string& text) override { messages_.push_back(text); }
    void ShowMessage(const std::string& text, const std::string&) override { messages_.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string&) override {
        messages_.push_back(text);
        return false;
    }

private:
    static int Clamp(int o) { return std::clamp(o, 0, vx::MaxOutputs - 1); }

    std::vector<std::string> messages_;
    bool hourglass_ = false;
    std::string ip_;
    bool reclockers_[vx::MaxOutputs]{};
    int group_ = 0;
    bool lock_ = false;
    bool vi_ = false;
    vx::LinkChoice choice_ = vx::LinkChoice::Serial;
};

}  // namespace vxctl
