#include "platform/SerialPortPaths.h"

namespace vx::platform {

SerialPortPaths::SerialPortPaths() {
    for (int n = 1; n <= 4; ++n) paths_[static_cast<std::size_t>(n - 1)] = DefaultPath(n);
}

QString SerialPortPaths::DefaultPath(int n) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

void SerialPortPaths::Override(const std::map<int, QString>& paths) {
    for (const auto& [n, path] : paths)
        if (n >= 1 && n <= 4 && !path.isEmpty()) paths_[static_cast<std::size_t>(n - 1)] = path;
}

QString SerialPortPaths::PathOf(int n) const {
    if (n < 1 || n > 4) return {};
    return paths_[static_cast<std::size_t>(n - 1)];
}

}  // namespace vx::platform
