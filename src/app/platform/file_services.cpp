#include "app/platform/file_services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace dutyloop {

QString UserConfigFolder() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!config.isEmpty()) {
        return config;
    }
    const QString home = QDir::homePath();
    if (!home.isEmpty() && QDir(home).exists()) {
        return home;
    }
    return QDir::currentPath();
}

QString JoinPath(const QString& first, const QString& second) {
    if (first.isEmpty() || QDir::isAbsolutePath(second)) {
        return second;
    }
    if (first.endsWith(u'/')) {
        return first + second;
    }
    return first + u'/' + second;
}

bool DirectoryExists(const QString& path) {
    // QFileInfo follows symbolic links unless asked about the link itself.
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool CreateDirectoryWithParents(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    // Checked again afterwards: the caller relies on a directory standing there, not on
    // anything else of that name.
    return QDir().mkpath(path) && DirectoryExists(path);
}

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    if (path.isEmpty() || DirectoryExists(path)) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        // Never committed, the temporary file is removed when `file` goes.
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString UnableToWriteMessage(const QString& path) {
    return QStringLiteral("Unable to write to %1.").arg(path);
}

} // namespace dutyloop
