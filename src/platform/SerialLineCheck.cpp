#include "platform/SerialLineCheck.h"

#include <QtGlobal>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/stat.h>
#endif

namespace vx::platform {

SerialLineState LookAtLine(int fd, const QString& devicePath) {
#ifndef Q_OS_UNIX
    // No descriptor to look at: a read error is taken for the device gone.
    Q_UNUSED(fd);
    Q_UNUSED(devicePath);
    return SerialLineState::Gone;
#else
    if (fd < 0) return SerialLineState::Closed;
    pollfd p{fd, POLLIN, 0};
    int ready = 0;
    do {
        ready = ::poll(&p, 1, 0);
    } while (ready < 0 && errno == EINTR);
    if (ready > 0) {
        if (p.revents & POLLNVAL) return SerialLineState::Closed;
        if (p.revents & POLLHUP) return SerialLineState::HungUp;
        if (p.revents & POLLERR) return SerialLineState::Failed;
    }
    struct stat st {};
    const QByteArray path = devicePath.toLocal8Bit();
    if (!path.isEmpty() && ::stat(path.constData(), &st) != 0 && (errno == ENOENT || errno == ENODEV))
        return SerialLineState::Gone;
    return SerialLineState::Usable;
#endif
}

QString LineStateText(SerialLineState state) {
    switch (state) {
        case SerialLineState::Usable:
            break;
        case SerialLineState::HungUp:
            return QStringLiteral("hang-up on the serial line");
        case SerialLineState::Failed:
            return QStringLiteral("the serial device reports an error");
        case SerialLineState::Closed:
            return QStringLiteral("the serial port's descriptor was closed");
        case SerialLineState::Gone:
            return QStringLiteral("the serial device is gone");
    }
    return {};
}

}  // namespace vx::platform
