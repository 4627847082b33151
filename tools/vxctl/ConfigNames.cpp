#include "ConfigNames.h"

#include "TerminalText.h"
#include "labels/ConfigFile.h"

namespace vxctl {

std::string ReadConfigNames(vx::ConfigFileStore& files, const std::string& path, ReportNames& names) {
    vx::ConfigImage image{};
    switch (vx::ReadConfigImage(files, path, image)) {
        case vx::ConfigReadError::None:
            break;
        case vx::ConfigReadError::Open:
            return "--config: cannot open " + Quoted(path);
        case vx::ConfigReadError::Size:
            return "--config: " + Quoted(path) + " is not a configuration file (it must be exactly " +
                   std::to_string(sizeof(vx::ConfigImage)) + " bytes)";
    }
    names.Labels = image.Labels;
    names.Present = true;
    return {};
}

}  // namespace vxctl
