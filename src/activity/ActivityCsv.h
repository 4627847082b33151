#pragma once
// The records as CSV text (RFC 4180: comma-separated, CRLF line ends, quotes doubled), one
// row a record under a header row; the fields are joined as key=value pairs.
#include <string>
#include <vector>

#include "activity/ActivityRecord.h"

namespace vx {

std::string ActivityCsv(const std::vector<ActivityRecord>& records);

}  // namespace vx
