#pragma once
// Runs a test in a fresh temporary working directory, for the files the panel keeps there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vx::test {

class TempWorkingDir {
public:
    TempWorkingDir() : previous_(std::filesystem::current_path()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "vxlink-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary directory");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~TempWorkingDir() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace vx::test
