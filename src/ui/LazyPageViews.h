#pragma once
// The core's views of the pages that are built when first needed (see PageContent.h). Each
// passes a drawing on to the page's own view at once when the page is built, and otherwise
// keeps it, the last one per widget, for the page's building. A question the widgets alone
// can answer builds the page first, except where the answer is the widget's starting state
// and nothing has been drawn on it yet.
#include "labels/NameBoxView.h"
#include "presets/SequencingView.h"
#include "status/LabelEnableView.h"
#include "status/SetupPageView.h"

namespace vx::ui {

class NameBoxesView;
class PageContent;

// What is kept for the About page, which the window draws on too.
enum AboutPageDrawing { FirmwareTextDrawing, ComNumberTextDrawing };

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
