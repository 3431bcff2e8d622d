#include "platform/private_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace dutyloop {

namespace {

// The room a socket's address has for its path, less its closing NUL.
constexpr qsizetype kLongestSocketPath = sizeof(sockaddr_un::sun_path) - 1;

// Made with no rights for anyone else; a name that stands already is left as it is.
void MakePrivateFolder(const QString& path) {
    ::mkdir(QFile::encodeName(path).constData(), 0700);
}

} // namespace

bool IsPrivateFolder(const QString& path, uid_t owner) {
    if (!QDir::isAbsolutePath(path))
        return false;
    struct stat seen {};
    // lstat: a link, even to a folder of the user's own, could be turned elsewhere by whoever
    // owns the folder it stands in.
    if (::lstat(QFile::encodeName(path).constData(), &seen) != 0)
        return false;
    return S_ISDIR(seen.st_mode) && seen.st_uid == owner && (seen.st_mode & 077) == 0;
}

QString PrivateFolderFor(const QStringList& candidates, uid_t owner, qsizetype nameLength) {
    for (const QString& candidate : candidates) {
        if (!QDir::isAbsolutePath(candidate))
            continue;
        const QString folder = QDir::cleanPath(candidate);
        if (QFile::encodeName(folder).size() + 1 + nameLength > kLongestSocketPath)
            continue;
        if (!IsPrivateFolder(folder, owner))
            MakePrivateFolder(folder);
        if (IsPrivateFolder(folder, owner))
            return folder;
    }
    return {};
}

QStringList RuntimeFolderCandidates(uid_t owner) {
    QStringList candidates;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime))
        candidates.append(runtime);
    candidates.append(QDir(QDir::tempPath()).filePath(QStringLiteral("dutyloop-%1").arg(owner)));
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (QDir::isAbsolutePath(cache) && QDir().mkpath(cache))
        candidates.append(QDir(cache).filePath(QStringLiteral("dutyloop")));
    return candidates;
}

} // namespace dutyloop
