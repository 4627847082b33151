#pragma once
// The name edit boxes of the "Labeling" page. Texts are UTF-8; setting a box from here
// is not an operator action and raises no handler.
#include <string>

#include "labels/NameBox.h"

namespace vx {

struct NameBoxView {
    virtual ~NameBoxView() = default;
    virtual std::string BoxText(NameBox box) const = 0;
    virtual void SetBoxText(NameBox box, const std::string& text) = 0;
    virtual bool IsBoxEnabled(NameBox box) const = 0;
    virtual void FocusBox(NameBox box) = 0;
};

}  // namespace vx
