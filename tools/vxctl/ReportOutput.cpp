#include "ReportOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace vxctl {

FdOutput::FdOutput(int fd) : fd_(fd) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

FdOutput::~FdOutput() {
    WriteBuffered();
}

bool FdOutput::WriteBuffered() {
    const char* from = pbase();
    const char* const end = pptr();
    // After a failure nothing more is written: the report would have a hole.
    while (error_ == 0 && from < end) {
        const ssize_t n = ::write(fd_, from, static_cast<std::size_t>(end - from));
        if (n > 0)
            from += n;
        else if (n < 0 && errno != EINTR)
            error_ = errno;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
    if (!WriteBuffered()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FdOutput::sync() {
    return WriteBuffered() ? 0 : -1;
}

std::string FdOutput::Finish() {
    WriteBuffered();
    return error_ == 0 ? std::string() : std::strerror(error_);
}

}  // namespace vxctl
