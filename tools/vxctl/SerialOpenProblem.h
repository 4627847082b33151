#pragma once
// Why a serial device could not be used, looked at after the panel's probe failed: the
// probe only knows that no switcher answered, the device path says why.
#include <string>

namespace vxctl {

// The cause in words ("no such device", "not a terminal", "held by process 123 (lock file
// /var/lock/LCK..ttyUSB0)", ...), or empty when the device opens as a terminal and nothing
// holds it (then the switcher simply did not answer).
std::string SerialOpenProblem(const std::string& path);

}  // namespace vxctl
