#pragma once
// The captions' names and follow mode's marks pass through here on their way to the
// window, so the core's picture holds them and publishes their changes.
#include "changes/PanelPicture.h"
#include "follow/FollowView.h"
#include "labels/NameCaptionView.h"

namespace vx {

class PictureNames : public NameCaptionView {
public:
    PictureNames(NameCaptionView& window, PanelPicture& picture) : window_(window), picture_(picture) {}
    void SetInputName(int input, const std::string& name) override {
        window_.SetInputName(input, name);
        picture_.SetInputName(input, name);
    }
    void SetOutputName(int output, const std::string& name) override {
        window_.SetOutputName(output, name);
        picture_.SetOutputName(output, name);
    }
    void SetGroupName(int group, const std::string& caption, const std::string& name) override {
        window_.SetGroupName(group, caption, name);
    }
    void SetPresetName(int preset, const std::string& name) override { window_.SetPresetName(preset, name); }

private:
    NameCaptionView& window_;
    PanelPicture& picture_;
};

class PictureMarks : public FollowView {
public:
    PictureMarks(FollowView& window, PanelPicture& picture) : window_(window), picture_(picture) {}
    void SetOutputRemark(int output, OutputRemark kind, const std::string& words) override {
        window_.SetOutputRemark(output, kind, words);
        FollowMarks marks;
        marks.ChangedElsewhere = kind == OutputRemark::ChangedElsewhere;
        marks.TakeFailed = kind == OutputRemark::TakeFailed;
        if (kind != OutputRemark::None) marks.Remark = words;
        picture_.SetMarks(output, marks);
    }
    void ShowFollowSettings(const FollowSettings& settings) override { window_.ShowFollowSettings(settings); }
    void RouteChanged(const RouteChange& change) override { window_.RouteChanged(change); }

private:
    FollowView& window_;
    PanelPicture& picture_;
};

}  // namespace vx
