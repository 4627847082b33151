#pragma once
// The report is done only once it is written: standard output on a full disk, a closed
// descriptor or a broken pipe is a failure of the command, said on standard error. The
// report goes through this buffer straight to the descriptor, which keeps the first
// error's cause (a C stream keeps only a flag).
#include <array>
#include <streambuf>
#include <string>

namespace vxctl {

class FdOutput : public std::streambuf {
public:
    explicit FdOutput(int fd);
    ~FdOutput() override;
    // Writes what is buffered; empty when everything so far reached the descriptor,
    // else the cause of the first failed write.
    std::string Finish();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool WriteBuffered();

    int fd_;
    int error_ = 0;
    std::array<char, 8192> buffer_{};
};

}  // namespace vxctl
