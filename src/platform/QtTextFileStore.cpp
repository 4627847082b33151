#include "platform/QtTextFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vx::platform {

TextFileStore::ReadResult QtTextFileStore::Read(const std::string& path) {
    ReadResult result;
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (!info.exists() && !info.isSymLink()) return result;  // Missing
    result.State = ReadState::Failed;
    if (!info.isFile()) {
        result.Error = "not a regular file";
        return result;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Error = file.errorString().toStdString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.Error = file.errorString().toStdString();
        return result;
    }
    result.State = ReadState::Read;
    result.Text = bytes.toStdString();
    return result;
}

bool QtTextFileStore::Replace(const std::string& path, const std::string& text) {
    QSaveFile file(QString::fromStdString(path));
    // Unbuffered, so that a full disk fails the write itself rather than a flush at commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const auto length = static_cast<qint64>(text.size());
    if (file.write(text.data(), length) != length) return false;
    if (!file.flush() || file.error() != QFileDevice::NoError) return false;
    return file.commit();
}

}  // namespace vx::platform
