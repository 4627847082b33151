#pragma once
// The window's filter box: a record shows when every word typed appears, in any case,
// somewhere in its line in words, its user, its link or its fields.
#include <string>

#include "activity/ActivityRecord.h"

namespace vx {

bool MatchesFilter(const ActivityRecord& r, const std::string& filter);

}  // namespace vx
