#pragma once
// The names on the window: the name boxes of the "Labeling" page, and the controls that
// show the names (input and output buttons on the routing and Grouping pages, the group
// exist boxes and selector items, the preset buttons) with their accessible names.
#include "labels/NameBoxView.h"
#include "labels/NameCaptionView.h"

#include <string>

class QAbstractButton;
class QLineEdit;

namespace vx::ui {

// A button that carries a name: the name as its caption (an '&' shows as itself) and an
// accessible name "Input 3, CAM1", or just "Input 3" while the name is the number.
void ShowName(QAbstractButton* button, const std::string& name, const char* control, int index);

class GroupingPage;
class LabelingPage;
class PresetBox;
class VideoSwitchingPage;

class NameBoxesView : public NameBoxView {
public:
    explicit NameBoxesView(LabelingPage& page) : page_(page) {}
    std::string BoxText(NameBox box) const override;
    void SetBoxText(NameBox box, const std::string& text) override;
    // The box's own state: a page control disabled during a wait does not count.
    bool IsBoxEnabled(NameBox box) const override;
    void FocusBox(NameBox box) override;

    QLineEdit* Edit(NameBox box) const;

private:
    LabelingPage& page_;
};

class NameCaptionsView : public NameCaptionView {
public:
    NameCaptionsView(VideoSwitchingPage& video, GroupingPage& grouping, PresetBox& presets)
        : video_(video), grouping_(grouping), presets_(presets) {}
    void SetInputName(int input, const std::string& name) override;
    void SetOutputName(int output, const std::string& name) override;
    void SetGroupName(int group, const std::string& caption, const std::string& name) override;
    void SetPresetName(int preset, const std::string& name) override;

private:
    VideoSwitchingPage& video_;
    GroupingPage& grouping_;
    PresetBox& presets_;
};

}  // namespace vx::ui
