#pragma once
// What a failed read on an open serial port means. A read woken without data (EAGAIN,
// EINTR) on a sound line is tried again; an I/O error (EIO: a failing adapter, a driver
// that has given up), the end of the file, or a line found hung up, failed, closed or gone
// is a lost port. A read that keeps failing without a byte in between is a lost port too,
// whatever its error number says: a port that cannot be read ends in its one message, never
// in a loop of failed reads.
#include <string>

namespace vx::platform {

enum class ReadFailure { TryAgain, Lost };

// Failed reads in a row, without a byte read in between, that end a port.
inline constexpr int FailedReadsInARow = 20;

class SerialReadFailures {
public:
    // A read failed: endOfFile when it met the end of the file, readErrno the error number
    // after it, lineUsable whether the line itself looks sound.
    ReadFailure Failed(bool endOfFile, int readErrno, bool lineUsable);
    // A byte came, or the port was opened: the count starts afresh.
    void Read() { inARow_ = 0; }

private:
    int inARow_ = 0;
};

// Why the port is lost, in words, for a line that looks sound.
std::string ReadFailureText(bool endOfFile, int readErrno);

}  // namespace vx::platform
