#include "files/StdTextFileStore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vx {

TextFileStore::ReadResult StdTextFileStore::Read(const std::string& path) {
    ReadResult r;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec) return r;  // Missing
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (in) r.Text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!in.is_open() || in.bad() || ec) {
        r.State = ReadState::Failed;
        r.Error = errno != 0 ? std::strerror(errno) : "read error";
        r.Text.clear();
        return r;
    }
    r.State = ReadState::Read;
    return r;
}

bool StdTextFileStore::Replace(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

TextFileStore& DefaultTextFileStore() {
    static StdTextFileStore store;
    return store;
}

}  // namespace vx
