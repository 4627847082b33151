#include "ui/LazyPageViews.h"

#include "ui/LabelViews.h"
#include "ui/PageContent.h"

namespace vx::ui {

namespace {

// The kinds of drawing kept for a page; one numbering per page, since the key names the
// widget drawn on.
enum GroupingDrawing {
    GroupInputColour,
    GroupOutputColour,
    GroupInputEnabled,
    GroupOutputEnabled,
    OutputFirstHint,
    GroupInputName,
    GroupOutputName,
};

enum SequencingDrawing { RowEditsEnabled, RowsUnlocked, RowColour, SequenceLight };

enum LabelingDrawing { BoxTextDrawing, BoxEnabledDrawing };

// One number per name box across the four families.
int BoxNumber(NameBox box) {
    return static_cast<int>(box.Family) * 100 + box.Index;
}

}  // namespace

// Grouping

void LazyGroupingView::SetGroupInputButtonColour(int input, Colour c) {
    members_.Draw({GroupInputColour, input}, [this, input, c] { page_.SetGroupInputButtonColour(input, c); });
}
void LazyGroupingView::SetGroupOutputButtonColour(int output, Colour c) {
    members_.Draw({GroupOutputColour, output}, [this, output, c] { page_.SetGroupOutputButtonColour(output, c); });
}
void LazyGroupingView::SetGroupInputButtonEnabled(int input, bool on) {
    members_.Draw({GroupInputEnabled, input}, [this, input, on] { page_.SetGroupInputButtonEnabled(input, on); });
}
void LazyGroupingView::SetGroupOutputButtonEnabled(int output, bool on) {
    members_.Draw({GroupOutputEnabled, output},
                  [this, output, on] { page_.SetGroupOutputButtonEnabled(output, on); });
}
void LazyGroupingView::SetOutputFirstHintVisible(bool on) {
    members_.Draw({OutputFirstHint, 0}, [this, on] { page_.SetOutputFirstHintVisible(on); });
}

// A name drawn before the member buttons are made misses only them (the views draw on the
// widgets there are); drawn again when they are made, it changes nothing elsewhere, where
// it is the name shown already.
void LazyNameCaptionsView::SetInputName(int input, const std::string& name) {
    all_.SetInputName(input, name);
    if (!members_.Built())
        members_.Draw({GroupInputName, input}, [this, input, name] { all_.SetInputName(input, name); });
}
void LazyNameCaptionsView::SetOutputName(int output, const std::string& name) {
    all_.SetOutputName(output, name);
    if (!members_.Built())
        members_.Draw({GroupOutputName, output}, [this, output, name] { all_.SetOutputName(output, name); });
}

// Sequencing: the rows' texts and "On" boxes are only ever changed by the operator, on
// the page, so reading them from a page not built builds it, and finds what it starts with.

bool LazySequencingView::IsRowOn(int k) const {
    content_.Build();
    return page_.IsRowOn(k);
}
std::string LazySequencingView::PresetText(int k) const {
    content_.Build();
    return page_.PresetText(k);
}
std::string LazySequencingView::DelayText(int k) const {
    content_.Build();
    return page_.DelayText(k);
}
void LazySequencingView::SetRowEditsEnabled(int k, bool on) {
    content_.Draw({RowEditsEnabled, k}, [this, k, on] { page_.SetRowEditsEnabled(k, on); });
}
bool LazySequencingView::IsPageShown() const {
    return content_.Built() && page_.IsPageShown();
}
void LazySequencingView::FocusPresetEdit(int k) {
    content_.Build();
    page_.FocusPresetEdit(k);
}
void LazySequencingView::FocusDelayEdit(int k) {
    content_.Build();
    page_.FocusDelayEdit(k);
}
void LazySequencingView::SetRowsUnlocked(bool on) {
    content_.Draw({RowsUnlocked, 0}, [this, on] { page_.SetRowsUnlocked(on); });
}
void LazySequencingView::SetRowColour(int k, Colour c) {
    content_.Draw({RowColour, k}, [this, k, c] { page_.SetRowColour(k, c); });
}
void LazySequencingView::SetSequenceLight(bool lit) {
    content_.Draw({SequenceLight, 0}, [this, lit] { page_.SetSequenceLight(lit); });
}

// Labeling: the window gathers every name from the boxes when it starts, before the page
// is built; a box starts with its number (as the core's reset puts back) and enabled.

std::string LazyLabelingViews::BoxText(NameBox box) const {
    if (!content_.Built() && IsNameBox(box) && !content_.Keeps({BoxTextDrawing, BoxNumber(box)}))
        return std::to_string(box.Index + 1);
    content_.Build();
    return boxes_.BoxText(box);
}
void LazyLabelingViews::SetBoxText(NameBox box, const std::string& text) {
    content_.Draw({BoxTextDrawing, BoxNumber(box)}, [this, box, text] { boxes_.SetBoxText(box, text); });
}
bool LazyLabelingViews::IsBoxEnabled(NameBox box) const {
    if (!content_.Built() && IsNameBox(box) && !content_.Keeps({BoxEnabledDrawing, BoxNumber(box)}))
        return true;
    content_.Build();
    return boxes_.IsBoxEnabled(box);
}
void LazyLabelingViews::FocusBox(NameBox box) {
    content_.Build();
    boxes_.FocusBox(box);
}
void LazyLabelingViews::SetInputLabelEnabled(int input, bool on) {
    content_.Draw({BoxEnabledDrawing, BoxNumber({NameFamily::Input, input})},
                  [this, input, on] { enables_.SetInputLabelEnabled(input, on); });
}
void LazyLabelingViews::SetOutputLabelEnabled(int output, bool on) {
    content_.Draw({BoxEnabledDrawing, BoxNumber({NameFamily::Output, output})},
                  [this, output, on] { enables_.SetOutputLabelEnabled(output, on); });
}

// About

void LazySetupPageView::SetFirmwareText(const std::string& text) {
    about_.Draw({FirmwareTextDrawing, 0}, [this, text] { pages_.SetFirmwareText(text); });
}

}  // namespace vx::ui
