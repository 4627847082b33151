#include "follow/TakeChecks.h"

#include <algorithm>

#include "model/LiveCount.h"

namespace vx {

std::vector<AskedReclocker> AskedReclockers(const RouteSnapshot& before, const SwitcherState& after) {
    std::vector<AskedReclocker> out;
    const int outputs = std::min(before.Outputs, LiveCount(after.OutputCount, MaxOutputs));
    for (int o = 0; o < outputs; ++o) {
        const bool was = before.Reclockers[static_cast<std::size_t>(o)] != 0;
        const bool now = after.Reclockers[o] != 0;
        if (was != now) out.push_back({o, now});
    }
    return out;
}

std::vector<AskedReclocker> FailedReclockers(const std::vector<AskedReclocker>& asked, const SwitcherState& now) {
    std::vector<AskedReclocker> out;
    const int outputs = LiveCount(now.OutputCount, MaxOutputs);
    for (const AskedReclocker& a : asked)
        if (IsIndex(a.Output, outputs) && (now.Reclockers[a.Output] != 0) != a.On) out.push_back(a);
    return out;
}

std::string FailedReclockerRemark(const AskedReclocker& f) {
    return std::string("reclocker not switched ") + (f.On ? "on" : "off");
}

std::string FailedReclockerText(const std::vector<AskedReclocker>& failed) {
    std::string text;
    for (const AskedReclocker& f : failed) {
        if (!text.empty()) text += "; ";
        text += "Reclocker of output " + std::to_string(f.Output + 1) + " not switched " + (f.On ? "on" : "off");
    }
    return text;
}

TakeChecks TakeChecks::Of(const RouteSnapshot& before, const SwitcherState& after) {
    return {AskedRoutes(before, after), AskedReclockers(before, after)};
}

void TakeChecks::Keep(const TakeChecks& older) {
    const auto routeAsked = [this](int o) {
        return std::any_of(Routes.begin(), Routes.end(), [o](const AskedRoute& a) { return a.Output == o; });
    };
    const auto reclockerAsked = [this](int o) {
        return std::any_of(Reclockers.begin(), Reclockers.end(),
                           [o](const AskedReclocker& a) { return a.Output == o; });
    };
    for (const AskedRoute& a : older.Routes)
        if (!routeAsked(a.Output)) Routes.push_back(a);
    for (const AskedReclocker& a : older.Reclockers)
        if (!reclockerAsked(a.Output)) Reclockers.push_back(a);
}

bool TakeChecks::Asks(int output) const {
    const std::vector<int> all = Outputs();
    return std::find(all.begin(), all.end(), output) != all.end();
}

std::vector<int> TakeChecks::Outputs() const {
    std::vector<int> out;
    for (const AskedRoute& a : Routes) out.push_back(a.Output);
    for (const AskedReclocker& a : Reclockers) out.push_back(a.Output);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

}  // namespace vx
