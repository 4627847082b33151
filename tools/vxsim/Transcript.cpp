#include "Transcript.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vxsim {

std::string EscapeLine(std::string_view line) {
    std::string out;
    out.reserve(line.size());
    for (char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\') {
            out += "\\\\";
        } else if (c >= 0x20 && c < 0x7F) {
            out += ch;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

Transcript::~Transcript() {
    if (fd_ >= 0) ::close(fd_);
}

bool Transcript::Open(const std::string& path, Micros start) {
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    start_ = start;
    path_ = path;
    return fd_ >= 0;
}

void Transcript::Record(Micros now, std::string_view link, std::string_view line, bool cut) {
    if (fd_ < 0) return;
    std::string entry =
        std::to_string((now - start_) / 1000) + " " + std::string(link) + " " + EscapeLine(line);
    if (cut) entry += "...";
    entry += '\n';
    if (Write(entry)) {
        if (leftOut_ > 0)
            std::fprintf(stderr, "vxsim: the transcript %s is written again (%ld lines left out)\n",
                         path_.c_str(), leftOut_);
        leftOut_ = 0;
        return;
    }
    if (leftOut_++ == 0)
        std::fprintf(stderr, "vxsim: cannot write the transcript %s (%s); lines are left out until it can\n",
                     path_.c_str(), std::strerror(errno));
}

bool Transcript::Write(const std::string& entry) {
    // One write per line keeps each entry whole for a reader that polls the file.
    std::size_t done = 0;
    while (done < entry.size()) {
        const ssize_t n = ::write(fd_, entry.data() + done, entry.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int cause = n < 0 ? errno : ENOSPC;
            // A torn line would read as a line the client never sent: it goes.
            if (done > 0 && ::ftruncate(fd_, written_) == 0) ::lseek(fd_, written_, SEEK_SET);
            errno = cause;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    written_ += static_cast<off_t>(entry.size());
    return true;
}

}  // namespace vxsim
