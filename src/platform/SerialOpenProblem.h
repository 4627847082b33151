#pragma once
// Why a serial device could not be used, looked at after an open or a probe failed: the
// probe only knows that no switcher answered, the device and its lock file say why. The
// panel and vxctl both say it.
#include <chrono>
#include <string>
#include <vector>

namespace vx::platform {

// The cause in words ("no such device", "not a terminal", "held by process 123 (lock
// file /run/lock/LCK..ttyUSB0)", a lock left by a process that has ended and when it
// expires, ...), or empty when the device opens as a terminal and nothing holds it (then
// the switcher simply did not answer).
std::string SerialOpenProblem(const std::string& path);

// The lock file's name that QSerialPort gives a device ("LCK.." and the path after /dev/
// with '/' as '_': /dev/pts/3 is LCK..pts_3), and the folders where it looks for it.
std::string SerialLockFileName(const std::string& canonicalPath);
const std::vector<std::string>& SerialLockFolders();

// A lock file whose process has ended still counts as taken until it is this old.
inline constexpr std::chrono::seconds StaleLockAge{30};

}  // namespace vx::platform
