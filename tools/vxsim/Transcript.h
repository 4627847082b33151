#pragma once
// The record of every line received, one per line as "<ms> <link> <line>", written
// straight to the file as each line arrives so a test can read it at any moment.
#include <sys/types.h>

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
    // Writes the line whole or not at all: a line the file could not take (a full disk,
    // a size limit) is cut back off and left out, said once on stderr, and serving goes on.
    void Record(Micros now, std::string_view link, std::string_view line, bool cut);

private:
    bool Write(const std::string& entry);

    int fd_ = -1;
    Micros start_ = 0;
    std::string path_;
    off_t written_ = 0;  // the end of the last whole line
    long leftOut_ = 0;   // lines left out since the last one written
};

}  // namespace vxsim
