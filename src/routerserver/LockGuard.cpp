#include "routerserver/LockGuard.h"

namespace vx::router {

std::string LockRefusal(const LockHolders& locks, const Request& r, int selectedOutput) {
    const auto heldElsewhere = [&](int o) -> std::string {
        const auto it = locks.find(o);
        if (it == locks.end()) return {};
        if (r.Who.From == Source::RouterClient && r.Who.Address == it->second) return {};
        return "Refused: output " + std::to_string(o + 1) + " is locked by router client " + it->second + ".";
    };
    switch (r.What) {
        case Intent::SelectOutput:
            if (r.Output == selectedOutput) return {};
            return heldElsewhere(r.Output);
        case Intent::PickInput:
        case Intent::Reclocker:
            return heldElsewhere(r.What == Intent::PickInput ? selectedOutput : r.Output);
        case Intent::RouteNow:
            for (const RouteAsk& a : r.Routes)
                if (std::string why = heldElsewhere(a.Output); !why.empty()) return why;
            return {};
        default:
            return {};
    }
}

}  // namespace vx::router
