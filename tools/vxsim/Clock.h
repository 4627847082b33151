#pragma once
// Monotonic time in microseconds, the one time base of the event loop.
#include <chrono>
#include <cstdint>

namespace vxsim {

using Micros = std::int64_t;

inline Micros NowMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace vxsim
