#include "follow/RouteWatch.h"

#include "model/LiveCount.h"

namespace vx {

namespace {

bool Same(const RouteEntry& a, const RouteEntry& b) {
    return a.Input == b.Input && a.Committed == b.Committed;
}

bool Routed(byte input) {
    return input < MaxInputs;
}

}  // namespace

std::string InputWords(byte input) {
    return Routed(input) ? "input " + std::to_string(input + 1) : std::string("no input");
}

RouteSnapshot SnapshotRoutes(const SwitcherState& m) {
    RouteSnapshot s;
    s.Outputs = LiveCount(m.OutputCount, MaxOutputs);
    for (int o = 0; o < MaxOutputs; ++o) {
        s.Routes[static_cast<std::size_t>(o)] = m.Routes[o];
        s.Reclockers[static_cast<std::size_t>(o)] = m.Reclockers[o];
    }
    return s;
}

std::vector<RouteChange> ChangedRoutes(const RouteSnapshot& before, const SwitcherState& now) {
    std::vector<RouteChange> out;
    const int outputs = LiveCount(now.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        const RouteEntry& b = before.Routes[static_cast<std::size_t>(o)];
        if (!Same(b, now.Routes[o])) out.push_back({o, b, now.Routes[o]});
    }
    return out;
}

std::string ChangeText(const RouteChange& c) {
    const std::string output = "Output " + std::to_string(c.Output + 1);
    const byte input = c.After.Input;
    std::string what;
    if (c.After.Committed != 0)
        what = Routed(input) ? " is now from " + InputWords(input) : " now has no input";
    else
        what = Routed(input) ? " is now pending " + InputWords(input) : " now has a pending disconnect";
    return output + what + ", changed at the switcher";
}

std::vector<AskedRoute> AskedRoutes(const RouteSnapshot& before, const SwitcherState& after) {
    std::vector<AskedRoute> out;
    const int outputs = LiveCount(after.OutputCount, MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        const RouteEntry& b = before.Routes[static_cast<std::size_t>(o)];
        const RouteEntry& a = after.Routes[o];
        if (a.Committed != 0 && (b.Committed == 0 || !Same(a, b))) out.push_back({o, a.Input});
    }
    return out;
}

std::vector<FailedRoute> FailedRoutes(const std::vector<AskedRoute>& asked, const SwitcherState& now) {
    std::vector<FailedRoute> out;
    for (const AskedRoute& a : asked) {
        if (!IsIndex(a.Output, MaxOutputs)) continue;
        const RouteEntry& r = now.Routes[a.Output];
        // A route the switcher still holds pending is not in force: its previous input is.
        const byte inForce = r.Committed != 0 ? r.Input : now.PrevInputs[a.Output];
        const bool asNone = !Routed(a.Input) && !Routed(inForce);
        if (r.Committed != 0 && (r.Input == a.Input || asNone)) continue;
        out.push_back({a.Output, a.Input, inForce});
    }
    return out;
}

std::string FailedRemark(const FailedRoute& f) {
    return "take failed: " + InputWords(f.Asked) + " asked, " + InputWords(f.InForce) + " in force";
}

std::string FailedText(const std::vector<FailedRoute>& failed) {
    std::string text;
    for (const FailedRoute& f : failed) {
        if (!text.empty()) text += "; ";
        text += "Take failed on output " + std::to_string(f.Output + 1) + " (" + InputWords(f.Asked) +
                " asked, " + InputWords(f.InForce) + " in force)";
    }
    return text;
}

}  // namespace vx
