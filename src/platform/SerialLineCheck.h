#pragma once
// What a failed read on an open serial port means, looked at on the port's descriptor.
// QSerialPort takes a read woken without data (EAGAIN) for a lost device, and words a
// read that met the end of the file with whatever errno an earlier call left; the
// descriptor and the device node tell what really happened.
#include <QString>

namespace vx::platform {

enum class SerialLineState {
    Usable,  // nothing wrong with the line: the read is to be tried again
    HungUp,  // the far end hung up (a pseudo-terminal's master closed, the carrier dropped)
    Failed,  // the device reports an error condition
    Closed,  // the descriptor is no longer open
    Gone,    // the device node is gone (an adapter pulled)
};

SerialLineState LookAtLine(int fd, const QString& devicePath);

// The state in words, for messages ("hang-up on the serial line", ...); empty for Usable.
QString LineStateText(SerialLineState state);

}  // namespace vx::platform
