#pragma once
// SIGINT, SIGTERM and SIGHUP end a command at once with 128 + the signal's number, the
// way a shell reports it, and leave the serial port free for the next program: the
// exclusive mode taken on it is given up before the process ends, however deep in a
// wait the signal came.
#include <initializer_list>

namespace vxctl {

void EndOnSignals(std::initializer_list<int> which);

}  // namespace vxctl
