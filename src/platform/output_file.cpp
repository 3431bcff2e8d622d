#include "platform/output_file.h"

#include "platform/file_services.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dutyloop {

namespace {

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= written;
    }
    return true;
}

// A stream has no place beside it for a temporary file, and cannot be replaced: it is written
// as it stands. Opened without creating anything, so a name that was no stream a moment ago
// is never made into a file here.
bool WriteToStream(const QByteArray& name, const QByteArray& bytes) {
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened {};
    const bool stream =
        ::fstat(fd, &opened) == 0 && (S_ISFIFO(opened.st_mode) || S_ISCHR(opened.st_mode));
    const bool written = stream && WriteAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

} // namespace

bool WriteOutputFile(const QString& path, const QByteArray& bytes) {
    if (path == QLatin1String("-") || path == QLatin1String("/dev/stdout"))
        return WriteAll(STDOUT_FILENO, bytes);
    const QByteArray name = QFile::encodeName(path);
    struct stat seen {};
    if (::stat(name.constData(), &seen) == 0 && (S_ISFIFO(seen.st_mode) || S_ISCHR(seen.st_mode)))
        return WriteToStream(name, bytes);
    return WriteFileAtomically(path, bytes);
}

} // namespace dutyloop
