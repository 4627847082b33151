#pragma once
// The transcript vxsim keeps with --transcript: one entry per line it received, written as
// "<ms> <link> <text>", the milliseconds counted from the simulator's start.
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vx::test {

struct WireLine {
    long ms = 0;
    std::string link;  // "tcp" or "serial"
    std::string text;  // empty for a bare return
};

// The entries of the transcript file from entry `from` on, in order.
inline std::vector<WireLine> ReadTranscript(const std::filesystem::path& file, std::size_t from = 0) {
    std::ifstream in(file);
    std::vector<WireLine> lines;
    std::string l;
    for (std::size_t n = 0; std::getline(in, l); ++n) {
        if (n < from) continue;
        std::istringstream fields(l);
        WireLine e;
        fields >> e.ms >> e.link;
        std::getline(fields, e.text);
        if (!e.text.empty()) e.text.erase(0, 1);
        lines.push_back(std::move(e));
    }
    return lines;
}

}  // namespace vx::test
