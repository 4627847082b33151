#pragma once
// Which device each of COM1..COM4 is: the platform's own names unless told otherwise.
#include <QString>
#include <array>
#include <map>

namespace vx::platform {

class SerialPortPaths {
public:
    SerialPortPaths();
    // COMn on Windows, /dev/ttyS(n-1) elsewhere.
    static QString DefaultPath(int n);
    // Replaces the paths of the ports named in the map (keys 1..4); others keep theirs.
    void Override(const std::map<int, QString>& paths);
    // The device path of COM n, or an empty text for a number outside 1..4.
    QString PathOf(int n) const;

private:
    std::array<QString, 4> paths_;
};

}  // namespace vx::platform
