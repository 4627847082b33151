#pragma once
// Start-up figures of a window, taken when it has been painted for the first time: the time
// since the benchmark started the process (VX_BENCH_T0_NS, CLOCK_MONOTONIC nanoseconds), the
// CPU time and the peak resident memory so far, and the CPU time of each phase marked on the
// way. Printed as one line, then the program ends.
class QWidget;

namespace vx::bench {

// Ends the phase under way: the CPU time since the previous mark (or since the process
// started) is reported under this name. The phase after the last mark is "paint".
void MarkPhase(const char* name);

void ReportAtFirstPaint(QWidget& window);

}  // namespace vx::bench
