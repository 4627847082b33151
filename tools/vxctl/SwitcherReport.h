#pragma once
// What `vxctl read` prints: the switcher as the model holds it after a full read, as a
// text for people or as one JSON document for scripts. Numbers are 1-based, as the
// operator sees them.
#include <string>

#include "model/SwitcherState.h"

namespace vxctl {

struct ReportNames {
    bool Present = false;  // names from a configuration file were given
    vx::LabelStore Labels{};
};

std::string TextReport(const vx::SwitcherState& m, const ReportNames& names);
std::string JsonReport(const vx::SwitcherState& m, const ReportNames& names);

// UTF-8 text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);
// Bytes from the switcher as a JSON string literal: each byte one character (U+0000 to
// U+00FF), so any byte survives and nothing is escaped twice.
std::string JsonBytes(const std::string& bytes);

}  // namespace vxctl
