#pragma once
// The record of every line received, one per line as "<ms> <link> <line>", written
// straight to the file as each line arrives so a test can read it at any moment.
#include <string>
#include <string_view>

#include "Clock.h"

namespace vxsim {

// Printable ASCII stays as it is; a backslash and every other byte become \\ and \xNN.
std::string EscapeLine(std::string_view line);

class Transcript {
public:
    Transcript() = default;
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    // Truncates or creates the file; false when it cannot be opened.
    bool Open(const std::string& path, Micros start);
    void Record(Micros now, std::string_view link, std::string_view line, bool cut);

private:
    int fd_ = -1;
    Micros start_ = 0;
};

}  // namespace vxsim
