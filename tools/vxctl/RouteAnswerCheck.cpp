#include "RouteAnswerCheck.h"

#include "model/LiveCount.h"

namespace vxctl {
namespace {

std::string InputProblem(const vx::SwitcherState& m, int output, vx::byte input) {
    const int inputs = vx::LiveCount(m.InputCount, vx::MaxInputs);
    if (input == vx::NO_INPUT || input < inputs) return {};
    return "output " + std::to_string(output + 1) + " has the input byte " + std::to_string(input) +
           ", beyond this switcher's " + std::to_string(inputs) + " inputs";
}

}  // namespace

std::string RoutesProblem(const vx::SwitcherState& m) {
    for (int o = 0; o < vx::LiveCount(m.OutputCount, vx::MaxOutputs); ++o) {
        const auto& r = m.Routes[o];
        if (std::string p = InputProblem(m, o, r.Input); !p.empty()) return p;
        if (r.Committed > 1)
            return "output " + std::to_string(o + 1) + " has the state byte " + std::to_string(r.Committed) +
                   " (0 pending, 1 in force)";
    }
    return {};
}

std::string PrevInputsProblem(const vx::SwitcherState& m) {
    for (int o = 0; o < vx::LiveCount(m.OutputCount, vx::MaxOutputs); ++o)
        if (std::string p = InputProblem(m, o, m.PrevInputs[o]); !p.empty()) return p;
    return {};
}

}  // namespace vxctl
