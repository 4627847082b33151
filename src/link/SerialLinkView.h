#pragma once
// The serial parts of the window the serial link writes: the port number label.
#include <string>

namespace vx {

struct SerialLinkView {
    virtual ~SerialLinkView() = default;
    virtual void SetComNumberText(const std::string& text) = 0;  // ComNumberLabel
};

}  // namespace vx
