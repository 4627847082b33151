#pragma once
// The names of a saved configuration file (520 bytes, the names at the end), for the
// report. Only the names are taken; the routes and groups in it are the panel's business.
#include <string>

#include "SwitcherReport.h"

namespace vxctl {

// Empty on success; otherwise why the file cannot be used.
std::string ReadConfigNames(const std::string& path, ReportNames& names);

}  // namespace vxctl
