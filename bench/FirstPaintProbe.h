#pragma once
// Start-up figures of a window, taken when it has been painted for the first time: the time
// since the benchmark started the process (VX_BENCH_T0_NS, CLOCK_MONOTONIC nanoseconds), the
// CPU time and the peak resident memory so far. Printed as one line, then the program ends.
class QWidget;

namespace vx::bench {

void ReportAtFirstPaint(QWidget& window);

}  // namespace vx::bench
