#pragma once
// The record as text: the day file's name, the line in words the window lists, and the
// one-line JSON object the log file holds.
#include <string>

#include "activity/ActivityRecord.h"

namespace vx {

std::string DayText(const LocalTime& t);      // "2026-12-11"
std::string ClockText(const LocalTime& t);    // "10:31:02.415"
std::string StampText(const LocalTime& t);    // "2026-12-11T10:31:02.415"
std::string LogFileName(const LocalTime& t);  // "2026-12-11.jsonl"
// "10:31:02.415  Take  Output 3: input 5 to 7  answered"
std::string RecordWords(const ActivityRecord& r);
// One JSON object, no newline; text is kept byte for byte, control characters escaped.
std::string RecordJson(const ActivityRecord& r);
std::string JsonQuoted(const std::string& s);

}  // namespace vx
