#pragma once
// The input and output name boxes of the "Labeling" page. Indexes are 0-based; each call
// enables or disables the edit box and its caption label ("Input 3", "Output 3") together.
namespace vx {

struct LabelEnableView {
    virtual ~LabelEnableView() = default;
    virtual void SetInputLabelEnabled(int input, bool on) = 0;    // InputLabelEdit1 .. 16
    virtual void SetOutputLabelEnabled(int output, bool on) = 0;  // OutputLabelEdit1 .. 16
};

}  // namespace vx
