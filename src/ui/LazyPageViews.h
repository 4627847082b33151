#pragma once
// The core's views of the pages that are built when first needed (see PageContent.h). Each
// passes a drawing on to the page's own view at once when the page is built, and otherwise
// keeps it, the last one per widget, for the page's building. A question the widgets alone
// can answer builds the page first, except where the answer is the widget's starting state
// and nothing has been drawn on it yet.
#include "groups/GroupingView.h"
#include "labels/NameBoxView.h"
#include "labels/NameCaptionView.h"
#include "presets/SequencingView.h"
#include "status/LabelEnableView.h"
#include "status/SetupPageView.h"

namespace vx::ui {

class NameBoxesView;
class PageContent;

// What is kept for the About page, which the window draws on too.
enum AboutPageDrawing { FirmwareTextDrawing, ComNumberTextDrawing };

// The Grouping page's member buttons and hint, made when the page is first needed; its
// selector and existing-group boxes are there from the start.
class LazyGroupingView : public GroupingView {
public:
    LazyGroupingView(GroupingView& page, PageContent& members) : page_(page), members_(members) {}

    void SetGroupInputButtonColour(int input, Colour c) override;
    void SetGroupOutputButtonColour(int output, Colour c) override;
    void SetGroupInputButtonEnabled(int input, bool on) override;
    void SetGroupOutputButtonEnabled(int output, bool on) override;
    void SetGroupExistChecked(int group, bool on) override { page_.SetGroupExistChecked(group, on); }
    void SetGroupExistEnabled(int group, bool on) override { page_.SetGroupExistEnabled(group, on); }
    void SetOutputFirstHintVisible(bool on) override;
    void SetGroupRadioItems(const std::vector<std::string>& items) override { page_.SetGroupRadioItems(items); }
    void SelectGroupRadioItem(int group) override { page_.SelectGroupRadioItem(group); }
    int SelectedGroup() const override { return page_.SelectedGroup(); }

private:
    GroupingView& page_;
    PageContent& members_;
};

// The names on the buttons are drawn at once wherever the buttons are; the Grouping page's
// member buttons get theirs again when they are made.
class LazyNameCaptionsView : public NameCaptionView {
public:
    LazyNameCaptionsView(NameCaptionView& all, PageContent& members) : all_(all), members_(members) {}

    void SetInputName(int input, const std::string& name) override;
    void SetOutputName(int output, const std::string& name) override;
    void SetGroupName(int group, const std::string& caption, const std::string& name) override {
        all_.SetGroupName(group, caption, name);
    }
    void SetPresetName(int preset, const std::string& name) override { all_.SetPresetName(preset, name); }

private:
    NameCaptionView& all_;
    PageContent& members_;
};

class LazySequencingView : public SequencingView {
public:
    LazySequencingView(SequencingView& page, PageContent& content) : page_(page), content_(content) {}

    bool IsRowOn(int k) const override;
    std::string PresetText(int k) const override;
    std::string DelayText(int k) const override;
    void SetRowEditsEnabled(int k, bool on) override;
    // A page not built has never been on screen.
    bool IsPageShown() const override;
    void FocusPresetEdit(int k) override;
    void FocusDelayEdit(int k) override;
    void SetRowsUnlocked(bool on) override;
    void SetRowColour(int k, Colour c) override;
    void SetSequenceLight(bool lit) override;

private:
    SequencingView& page_;
    PageContent& content_;
};

// The name boxes and their enabled states, both on the Labeling page.
class LazyLabelingViews : public NameBoxView, public LabelEnableView {
public:
    LazyLabelingViews(NameBoxesView& boxes, LabelEnableView& enables, PageContent& content)
        : boxes_(boxes), enables_(enables), content_(content) {}

    // NameBoxView: a box nothing was drawn on holds its number, and is enabled.
    std::string BoxText(NameBox box) const override;
    void SetBoxText(NameBox box, const std::string& text) override;
    bool IsBoxEnabled(NameBox box) const override;
    void FocusBox(NameBox box) override;
    // LabelEnableView
    void SetInputLabelEnabled(int input, bool on) override;
    void SetOutputLabelEnabled(int output, bool on) override;

private:
    NameBoxesView& boxes_;
    LabelEnableView& enables_;
    PageContent& content_;
};

// The switcher's settings: the Setup page's at once, the firmware text (on the About page)
// kept while the About page is not built.
class LazySetupPageView : public SetupPageView {
public:
    LazySetupPageView(SetupPageView& pages, PageContent& about) : pages_(pages), about_(about) {}

    void SetFrontPanelLockChecked(bool on) override { pages_.SetFrontPanelLockChecked(on); }
    void SetVIStateChecked(bool on) override { pages_.SetVIStateChecked(on); }
    void SetIpText(const std::string& text) override { pages_.SetIpText(text); }
    void SetFirmwareText(const std::string& text) override;

private:
    SetupPageView& pages_;
    PageContent& about_;
};

}  // namespace vx::ui
