#pragma once
// RS-232 has no checksum: a status answer may arrive with bytes no switcher sends. Such an
// answer is reported as bad, never read as a route; `read`, `--verify` and the withdrawal
// of pending routes all judge it here, the one place that knows the valid bytes.
#include <string>

#include "model/SwitcherState.h"

namespace vxctl {

// Empty when every live output's route (input and state byte) from "OINFOVX" is valid for
// this switcher's size, else what is wrong.
std::string RoutesProblem(const vx::SwitcherState& m);
// The same for the previous inputs from "OPINFOVX".
std::string PrevInputsProblem(const vx::SwitcherState& m);

}  // namespace vxctl
