// The yardstick of the start-up benchmark: a bare Qt Widgets window of a given size, in the
// panel's style, up to its first paint.
//   startup_bare WIDTH HEIGHT
#include "BareWindow.h"

int main(int argc, char** argv) {
    return vx::bench::RunBareWindow(argc, argv, [](QWidget&) {});
}
