#include "link/IpSaveFile.h"

#include <cctype>
#include <cstdio>

namespace vx {

bool WriteIpSaveFile(const std::string& path, const char* text, std::size_t length) {
    std::FILE* f = std::fopen(path.c_str(), "wt");
    if (!f) return false;
    const bool ok = std::fwrite(text, 1, length, f) == length;
    return (std::fclose(f) == 0) && ok;
}

std::optional<std::string> ReadIpSaveFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rt");
    if (!f) return std::nullopt;
    std::string word;
    int ch = std::fgetc(f);
    while (ch != EOF && std::isspace(ch)) ch = std::fgetc(f);
    while (ch != EOF && ch != '\0' && !std::isspace(ch) && word.size() < IpSaveWordMax) {
        word.push_back(static_cast<char>(ch));
        ch = std::fgetc(f);
    }
    std::fclose(f);
    return word;
}

}  // namespace vx
