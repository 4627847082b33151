#pragma once
// What the routing page draws. Indexes are 0-based; setting a widget here is never an
// operator action and must not raise the widget's click handler.
#include <string>

#include "model/Colour.h"

namespace vx {

struct RoutingView {
    virtual ~RoutingView() = default;
    virtual void SetOutputButtonColour(int output, Colour c) = 0;
    virtual void SetInputButtonColour(int input, Colour c) = 0;
    virtual void SetVideoLabelText(int output, const std::string& text) = 0;
    virtual void SetVideoLabelColour(int output, Colour c) = 0;
    virtual void SetReclockerChecked(int output, bool on) = 0;
    virtual bool IsReclockerChecked(int output) const = 0;
    // Output button, video label and reclocker box together.
    virtual void SetOutputWidgetsEnabled(int output, bool on) = 0;
    virtual void SetInputButtonEnabled(int input, bool on) = 0;
    virtual void SetWindowTitle(const std::string& title) = 0;
    virtual void SetTakeLight(bool lit) = 0;
};

}  // namespace vx
