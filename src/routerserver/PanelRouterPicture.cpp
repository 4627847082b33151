#include "routerserver/PanelRouterPicture.h"

#include <cstdio>

#include "model/InForce.h"
#include "model/LiveCount.h"
#include "model/ModelCodes.h"

namespace vx::router {

namespace {

// The model's name without the maker's: "VX Control HD SDI (16 x 16)".
std::string ModelNameOf(const SwitcherState& m) {
    const auto d = DescribeModelCode(m.Info.ModelCode);
    if (!d) return "VX Control SDI";
    const std::string title = d->Title;
    const auto at = title.find(":- ");
    return at == std::string::npos ? title : title.substr(at + 3);
}

// Stable for one switcher: its address and model code.
std::string UniqueIdOf(const SwitcherState& m) {
    char text[16];
    const auto& ip = m.Info.IPAddress;
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X%02X", ip[0], ip[1], ip[2], ip[3], m.Info.ModelCode);
    return text;
}

}  // namespace

RouterPicture PictureOfPanel(const SwitcherState& m, const InForceState& inForce, const PanelPicture& names,
                             const std::bitset<MaxOutputs>& protectedOutputs, bool present) {
    RouterPicture p;
    p.Present = present;
    p.Outputs = LiveCount(m.OutputCount, MaxOutputs);
    p.Inputs = LiveCount(m.InputCount, MaxInputs);
    p.ModelName = ModelNameOf(m);
    p.FriendlyName = p.ModelName;
    p.UniqueId = UniqueIdOf(m);
    for (int k = 0; k < p.Inputs; ++k) p.InputLabels.push_back(names.InputName(k));
    for (int o = 0; o < p.Outputs; ++o) {
        p.OutputLabels.push_back(names.OutputName(o));
        const int input = inForce.Inputs[static_cast<std::size_t>(o)];
        p.Routes.push_back(IsIndex(input, p.Inputs) ? input : -1);
        p.Protected.push_back(protectedOutputs[static_cast<std::size_t>(o)]);
    }
    return p;
}

}  // namespace vx::router
