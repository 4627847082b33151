#include "activity/RouteChangeWords.h"

#include <algorithm>

namespace vx {
namespace {

std::string InputWords(int input) {
    return input == NO_INPUT ? std::string("none") : std::to_string(input + 1);
}

}  // namespace

std::string RouteChangeWords(const InForceState& before, const InForceState& after) {
    std::string words;
    const auto add = [&](const std::string& s) { words += (words.empty() ? "" : "; ") + s; };
    const int outputs = std::min(std::max(before.Outputs, after.Outputs), MaxOutputs);
    for (int o = 0; o < outputs; ++o) {
        const std::string name = "Output " + std::to_string(o + 1);
        if (before.Inputs[o] != after.Inputs[o])
            add(name + ": input " + InputWords(before.Inputs[o]) + " to " + InputWords(after.Inputs[o]));
        if (before.Reclockers[o] != after.Reclockers[o])
            add(name + ": reclocker " + (after.Reclockers[o] ? "on" : "off"));
    }
    return words;
}

}  // namespace vx
