#pragma once
// Wherever the names show outside the "Labeling" page. Indexes are 0-based; name is
// the text of the name box, caption the text shown when it differs from the name.
#include <string>

namespace vx {

struct NameCaptionView {
    virtual ~NameCaptionView() = default;
    // Input button i on the "Video Switching" page and on the "Grouping" page.
    virtual void SetInputName(int input, const std::string& name) = 0;
    // Output button o on both pages.
    virtual void SetOutputName(int output, const std::string& name) = 0;
    // Exist box g and item g of the group selector; the selected item stays selected.
    virtual void SetGroupName(int group, const std::string& caption, const std::string& name) = 0;
    // Preset button p.
    virtual void SetPresetName(int preset, const std::string& name) = 0;
};

}  // namespace vx
