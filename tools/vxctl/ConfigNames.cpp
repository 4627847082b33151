#include "ConfigNames.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace vxctl {

std::string ReadConfigNames(const std::string& path, ReportNames& names) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "--config: cannot open '" + path + "'";
    // One byte more than a configuration file, so a longer file is told apart.
    std::vector<char> bytes(sizeof(vx::ConfigImage) + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(sizeof(vx::ConfigImage)))
        return "--config: '" + path + "' is not a configuration file (it must be exactly " +
               std::to_string(sizeof(vx::ConfigImage)) + " bytes)";
    vx::ConfigImage image{};
    std::memcpy(&image, bytes.data(), sizeof image);
    names.Labels = image.Labels;
    names.Present = true;
    return {};
}

}  // namespace vxctl
