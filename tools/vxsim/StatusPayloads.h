#pragma once
// The payloads of the six status queries, copied from the switcher's state in the
// byte layouts the panel stores them in.
#include <vector>

#include "SwitcherModel.h"

namespace vxsim {

std::vector<byte> MatrixInfoPayload(const SwitcherModel& m);                     // 20 bytes
std::vector<byte> OutputStatusPayload(const SwitcherModel& m);                   // 2 x outputs
std::vector<byte> PrevOutputStatusPayload(const SwitcherModel& m);               // outputs
std::vector<byte> GroupStatusPayload(const SwitcherModel& m);                    // 170 bytes
std::vector<byte> PresetStatusPayload(const SwitcherModel& m, int preset);       // 36 bytes
std::vector<byte> PresetGroupStatusPayload(const SwitcherModel& m, int preset);  // 170 bytes

}  // namespace vxsim
