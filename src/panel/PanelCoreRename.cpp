// A name given from outside the window (a router client's label): written into the
// Labeling page's box and left, as if the operator had typed it there.
#include "model/Records.h"
#include "panel/PanelCore.h"

namespace vx {

void PanelCore::Rename(const Request& r) {
    const auto family = static_cast<NameFamily>(r.Number);
    const NameBox box{family, r.Input};
    if ((family != NameFamily::Input && family != NameFamily::Output) || !IsNameBox(box)) return;
    const std::string was = family == NameFamily::Input ? picture_.InputName(r.Input) : picture_.OutputName(r.Input);
    views_.NameBoxes.SetBoxText(box, r.Text);
    labels_.NameBoxExit(box);
    const std::string now = family == NameFamily::Input ? picture_.InputName(r.Input) : picture_.OutputName(r.Input);
    if (now == was) return;
    const std::string what = (family == NameFamily::Input ? "Input " : "Output ") + std::to_string(r.Input + 1);
    activity_.Note("Label", what + " named \"" + now + "\" (was \"" + was + "\")", "",
                   {{family == NameFamily::Input ? "input" : "output", std::to_string(r.Input + 1)}, {"name", now}});
}

}  // namespace vx
