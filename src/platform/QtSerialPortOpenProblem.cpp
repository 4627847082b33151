// Why a COM port could not be opened, for the panel's connection message.
#include <QFileInfo>

#include "platform/QtSerialPortService.h"
#include "platform/SerialOpenProblem.h"

namespace vx::platform {

std::string QtSerialPortService::OpenProblem(int n) {
    const QString path = paths_.PathOf(n);
    // A port with no device says nothing beyond the message's own advice to check it.
    if (path.isEmpty() || !QFileInfo::exists(path)) return {};
    if (port_.isOpen() && DevicePath(selected_) == DevicePath(n))
        return path.toStdString() + ": already open in this panel";
    const std::string problem = SerialOpenProblem(path.toStdString());
    return problem.empty() ? problem : path.toStdString() + ": " + problem;
}

}  // namespace vx::platform
