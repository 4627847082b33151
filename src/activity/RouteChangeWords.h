#pragma once
// An operator action in words, from what it put in force: "Output 3: input 5 to 7",
// "Output 2: reclocker on", several joined by "; ".
#include <string>

#include "model/InForce.h"

namespace vx {

std::string RouteChangeWords(const InForceState& before, const InForceState& after);

}  // namespace vx
