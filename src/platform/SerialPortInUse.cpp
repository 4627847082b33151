#include "platform/SerialPortInUse.h"

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace vx::platform {

bool HeldExclusively(const QString& devicePath) {
#if defined(Q_OS_LINUX) && defined(TIOCGEXCL)
    const QByteArray path = devicePath.toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;  // the open in the availability test reports this itself
    int exclusive = 0;
    const bool held = ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
    ::close(fd);
    return held;
#else
    Q_UNUSED(devicePath);
    return false;
#endif
}

}  // namespace vx::platform
