#include "platform/output_file.h"

#include "platform/file_services.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dutyloop {

namespace {

// The system's reason for the last failure, or an I/O error where a write took nothing and
// said nothing.
FileWrite Failed() {
    return {false, qt_error_string(errno != 0 ? errno : EIO)};
}

FileWrite WriteAll(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        errno = 0;
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return Failed();
        next += written;
        left -= written;
    }
    return {true, {}};
}

// A stream has no place beside it for a temporary file, and cannot be replaced: it is written
// as it stands. Opened without creating anything, so a name that was no stream a moment ago
// is never made into a file here.
FileWrite WriteToStream(const QByteArray& name, const QByteArray& bytes) {
    const int fd = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Failed();
    struct stat opened {};
    FileWrite write{false, NotAFileReason()};
    if (::fstat(fd, &opened) == 0 && (S_ISFIFO(opened.st_mode) || S_ISCHR(opened.st_mode)))
        write = WriteAll(fd, bytes);
    if (::close(fd) != 0 && write.written)
        return Failed();
    return write;
}

} // namespace

FileWrite WriteOutputFile(const QString& path, const QByteArray& bytes) {
    if (path == QLatin1String("-") || path == QLatin1String("/dev/stdout"))
        return WriteAll(STDOUT_FILENO, bytes);
    const QByteArray name = QFile::encodeName(path);
    struct stat seen {};
    if (::stat(name.constData(), &seen) == 0 && (S_ISFIFO(seen.st_mode) || S_ISCHR(seen.st_mode)))
        return WriteToStream(name, bytes);
    return WriteFileAtomicallyWithReason(path, bytes);
}

} // namespace dutyloop
