#pragma once
// The yardsticks' program: an application in the panel's style and one window of the size
// given on the command line (WIDTH HEIGHT), run up to its first paint with the phases marked.
#include <functional>

class QWidget;

namespace vx::bench {

// Runs the window; `fill` puts whatever the yardstick shows in it.
int RunBareWindow(int argc, char** argv, const std::function<void(QWidget&)>& fill);

}  // namespace vx::bench
