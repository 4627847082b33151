#pragma once
// One line per route change for vxctl watch: as text, or as one JSON object.
#include <string>

#include "follow/RouteWatch.h"

namespace vxctl {

// "2026-12-10T20:31:05 output 3: input 2 -> input 7, in force"
std::string WatchText(const std::string& time, const vx::RouteChange& change);
// {"time": "2026-12-10T20:31:05", "output": 3, "inputBefore": 2, "inputAfter": 7, "state": "in force"}
// (null for no input; state "pending" or "in force").
std::string WatchJson(const std::string& time, const vx::RouteChange& change);
// The local time now, as the lines give it.
std::string WatchTimeNow();

}  // namespace vxctl
