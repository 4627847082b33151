#include "ui/CrosspointFeed.h"

#include "ui/WidgetAt.h"

namespace vx::ui {

namespace {
const std::string NoName;
}  // namespace

CrosspointFeed::CrosspointFeed(RoutingView& routing, GroupingView& grouping, NameCaptionView& names,
                               FollowView& follow)
    : routing_(routing), grouping_(grouping), names_(names), follow_(follow) {
    // The name boxes start with the numbers, and so do the buttons they name.
    for (int k = 0; k < MaxInputs; ++k) inputNames_[static_cast<std::size_t>(k)] = std::to_string(k + 1);
    for (int o = 0; o < MaxOutputs; ++o) outputNames_[static_cast<std::size_t>(o)] = std::to_string(o + 1);
}

const std::string& CrosspointFeed::InputName(int input) const {
    return IsIndex(input, MaxInputs) ? inputNames_[static_cast<std::size_t>(input)] : NoName;
}

const std::string& CrosspointFeed::OutputName(int output) const {
    return IsIndex(output, MaxOutputs) ? outputNames_[static_cast<std::size_t>(output)] : NoName;
}

OutputMarks CrosspointFeed::MarksOf(int output) const {
    return IsIndex(output, MaxOutputs) ? marks_[static_cast<std::size_t>(output)] : OutputMarks{};
}

Colour CrosspointFeed::OutputColour(int output) const {
    return IsIndex(output, MaxOutputs) ? outputColours_[static_cast<std::size_t>(output)]
                                       : Colour::ButtonFace;
}

void CrosspointFeed::SetOutputButtonColour(int output, Colour c) {
    routing_.SetOutputButtonColour(output, c);
    if (IsIndex(output, MaxOutputs)) outputColours_[static_cast<std::size_t>(output)] = c;
    Output(output);
}

void CrosspointFeed::SetVideoLabelText(int output, const std::string& text) {
    routing_.SetVideoLabelText(output, text);
    Output(output);
}

void CrosspointFeed::SetVideoLabelColour(int output, Colour c) {
    routing_.SetVideoLabelColour(output, c);
    Output(output);
}

void CrosspointFeed::SetOutputWidgetsEnabled(int output, bool on) {
    routing_.SetOutputWidgetsEnabled(output, on);
    if (window_) window_->SizeChanged();
}

void CrosspointFeed::SetInputButtonEnabled(int input, bool on) {
    routing_.SetInputButtonEnabled(input, on);
    if (window_) window_->SizeChanged();
}

void CrosspointFeed::SetGroupInputButtonColour(int input, Colour c) {
    grouping_.SetGroupInputButtonColour(input, c);
    Groups();
}
void CrosspointFeed::SetGroupOutputButtonColour(int output, Colour c) {
    grouping_.SetGroupOutputButtonColour(output, c);
    Groups();
}
void CrosspointFeed::SetGroupInputButtonEnabled(int input, bool on) {
    grouping_.SetGroupInputButtonEnabled(input, on);
    Groups();
}
void CrosspointFeed::SetGroupOutputButtonEnabled(int output, bool on) {
    grouping_.SetGroupOutputButtonEnabled(output, on);
    Groups();
}
void CrosspointFeed::SetGroupExistChecked(int group, bool on) {
    grouping_.SetGroupExistChecked(group, on);
    Groups();
}
void CrosspointFeed::SetGroupExistEnabled(int group, bool on) {
    grouping_.SetGroupExistEnabled(group, on);
    Groups();
}
void CrosspointFeed::SetGroupRadioItems(const std::vector<std::string>& items) {
    grouping_.SetGroupRadioItems(items);
    Groups();
}

void CrosspointFeed::SetInputName(int input, const std::string& name) {
    names_.SetInputName(input, name);
    if (!IsIndex(input, MaxInputs)) return;
    inputNames_[static_cast<std::size_t>(input)] = name;
    if (window_) window_->InputNameChanged(input);
}

void CrosspointFeed::SetOutputName(int output, const std::string& name) {
    names_.SetOutputName(output, name);
    if (!IsIndex(output, MaxOutputs)) return;
    outputNames_[static_cast<std::size_t>(output)] = name;
    if (window_) window_->OutputNameChanged(output);
}

void CrosspointFeed::SetOutputRemark(int output, OutputRemark kind, const std::string& words) {
    follow_.SetOutputRemark(output, kind, words);
    if (!IsIndex(output, MaxOutputs)) return;
    OutputMarks& marks = marks_[static_cast<std::size_t>(output)];
    // Whether the output is protected is not follow mode's to say.
    marks.ChangedElsewhere = kind == OutputRemark::ChangedElsewhere;
    marks.TakeFailed = kind == OutputRemark::TakeFailed;
    marks.Remark = kind == OutputRemark::None ? std::string() : words;
    Output(output);
}

}  // namespace vx::ui
