#pragma once
// The number of live outputs or inputs as a loop bound: the counts are 8 or 16, but they
// come from the switcher's model code and are never allowed to reach past the arrays.
#include <algorithm>

namespace vx {

inline int LiveCount(int count, int max) { return std::clamp(count, 0, max); }

}  // namespace vx
