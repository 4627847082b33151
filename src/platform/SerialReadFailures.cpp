#include "platform/SerialReadFailures.h"

#include <cerrno>

namespace vx::platform {

namespace {
bool DeviceFailed(int readErrno) {
    return readErrno == EIO || readErrno == ENXIO || readErrno == ENODEV;
}
}  // namespace

ReadFailure SerialReadFailures::Failed(bool endOfFile, int readErrno, bool lineUsable) {
    ++inARow_;
    if (!lineUsable || endOfFile || DeviceFailed(readErrno)) return ReadFailure::Lost;
    return inARow_ >= FailedReadsInARow ? ReadFailure::Lost : ReadFailure::TryAgain;
}

std::string ReadFailureText(bool endOfFile, int readErrno) {
    if (endOfFile) return "end of file on the serial line";
    if (DeviceFailed(readErrno)) return "input/output error on the serial line";
    return "reads on the serial line keep failing";
}

}  // namespace vx::platform
