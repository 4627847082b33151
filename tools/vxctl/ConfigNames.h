#pragma once
// The names of a saved configuration file (520 bytes, the names at the end), for the
// report. Only the names are taken; the routes and groups in it are the panel's business.
#include <string>

#include "SwitcherReport.h"
#include "labels/ConfigFileStore.h"

namespace vxctl {

// Empty on success; otherwise why the file cannot be used. The file is read as the panel
// reads it: a regular file of exactly 520 bytes.
std::string ReadConfigNames(vx::ConfigFileStore& files, const std::string& path, ReportNames& names);

}  // namespace vxctl
