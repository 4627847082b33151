#include "platform/WorkingFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vx::platform {

QString DesktopDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/vxpanel";
}

QString EnterWorkingFolder(const QString& folder) {
    if (folder.isEmpty()) return "no folder given for the working directory";
    if (!QDir().mkpath(folder)) return QString("cannot make the folder %1").arg(folder);
    if (!QDir::setCurrent(folder)) return QString("cannot work in the folder %1").arg(folder);
    return {};
}

}  // namespace vx::platform
