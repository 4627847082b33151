#include "platform/QtConfigFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vx::platform {

ConfigFileStore::ReadResult QtConfigFileStore::Read(const std::string& path, std::size_t max) {
    ReadResult result;
    const QString name = QString::fromStdString(path);
    // A pipe or a device is no file to open: reading one could block or never end.
    if (!QFileInfo(name).isFile()) return result;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return result;
    result.Opened = true;
    result.Size = static_cast<std::uint64_t>(file.size());
    const QByteArray bytes = file.read(static_cast<qint64>(max));
    result.Bytes.assign(bytes.begin(), bytes.end());
    return result;
}

bool QtConfigFileStore::Replace(const std::string& path, const byte* data, std::size_t size) {
    QSaveFile file(QString::fromStdString(path));
    // Unbuffered, so that a full disk fails the write itself: a write error that only
    // shows when commit() flushes its buffer is not reported, and the empty temporary
    // file would replace the target.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const auto length = static_cast<qint64>(size);
    // Uncommitted, the temporary file is removed and the target stays as it was.
    if (file.write(reinterpret_cast<const char*>(data), length) != length) return false;
    if (!file.flush() || file.error() != QFileDevice::NoError) return false;
    return file.commit();
}

}  // namespace vx::platform
