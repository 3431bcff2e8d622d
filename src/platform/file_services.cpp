#include "platform/file_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dutyloop {

namespace {

// The home folder of the account the program runs under, as the system's user database has it.
QString AccountHomeFolder() {
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir)
        return {};
    return QFile::decodeName(found->pw_dir);
}

QString HomeFolder() {
    const QString home = qEnvironmentVariable("HOME");
    return QDir::isAbsolutePath(home) ? home : AccountHomeFolder();
}

// Closes the descriptor it holds when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

ReadFailure FailureOf(const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return ReadFailure::NotRegularFile;
    return info.st_size > kLargestReadableFile ? ReadFailure::TooLarge : ReadFailure::None;
}

// Reads to the end, and stops once more than kLargestReadableFile bytes have come: a file may
// grow while it is read.
FileContent ReadToEnd(int fd, qsizetype expected) {
    QByteArray bytes;
    bytes.reserve(std::min(expected, kLargestReadableFile) + 1);
    for (;;) {
        const qsizetype had = bytes.size();
        const qsizetype room = std::min<qsizetype>(64 * 1024, kLargestReadableFile + 1 - had);
        if (room == 0)
            return {{}, ReadFailure::TooLarge};
        bytes.resize(had + room);
        const ssize_t got = ::read(fd, bytes.data() + had, static_cast<std::size_t>(room));
        const int error = errno;
        bytes.resize(had + std::max<qsizetype>(got, 0));
        if (got == 0)
            return {std::move(bytes)};
        if (got < 0 && error != EINTR)
            return {{}, ReadFailure::SystemError, error};
    }
}

} // namespace

QString NotAFileReason() {
    //: Why a folder, a FIFO or a device under a file's name is neither read nor written.
    return QCoreApplication::translate("Files", "it is not a file");
}

QString UserConfigFolder() {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(config))
        return config;
    const QString home = HomeFolder();
    if (QDir::isAbsolutePath(home))
        return QDir(home).filePath(QStringLiteral(".config"));
    return QDir::currentPath();
}

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? QDir::homePath() : documents;
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

FileContent ReadFile(const QString& path) {
    const auto failed = [](ReadFailure failure, int error = 0) {
        return FileContent{{}, failure, error};
    };
    if (path.isEmpty())
        return failed(ReadFailure::Missing);
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a FIFO waits for a writer, and a device may act on
    // being opened.
    struct stat seen {};
    if (::stat(name.constData(), &seen) != 0)
        return errno == ENOENT || errno == ENOTDIR ? failed(ReadFailure::Missing)
                                                   : failed(ReadFailure::SystemError, errno);
    if (const ReadFailure unfit = FailureOf(seen); unfit != ReadFailure::None)
        return failed(unfit);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        return failed(ReadFailure::SystemError, errno);
    struct stat opened {};
    if (::fstat(file.fd(), &opened) != 0)
        return failed(ReadFailure::SystemError, errno);
    // What was opened must be what was looked at, not something put in its place meanwhile.
    if (const ReadFailure unfit = FailureOf(opened); unfit != ReadFailure::None)
        return failed(unfit);
    if (opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino)
        return failed(ReadFailure::NotRegularFile);
    return ReadToEnd(file.fd(), static_cast<qsizetype>(opened.st_size));
}

std::optional<QByteArray> ReadFileBytes(const QString& path) {
    FileContent content = ReadFile(path);
    if (!content.read())
        return std::nullopt;
    return std::move(content.bytes);
}

QString ReadFailureReason(const FileContent& content) {
    switch (content.failure) {
    case ReadFailure::None:
    case ReadFailure::Missing:
        break;
    case ReadFailure::NotRegularFile:
        return NotAFileReason();
    case ReadFailure::TooLarge:
        return QCoreApplication::translate("Files", "it is larger than %1")
            .arg(LargestReadableFileText());
    case ReadFailure::SystemError:
        return qt_error_string(content.systemError);
    }
    return {};
}

QString UnableToWriteMessage(const QString& path, const QString& reason) {
    if (reason.isEmpty())
        return QCoreApplication::translate("Files", "Unable to write to %1.").arg(path);
    //: The file, then why it cannot be written: "Permission denied", "it is not a file".
    return QCoreApplication::translate("Files", "Unable to write to %1: %2.").arg(path, reason);
}

QString UnableToReadMessage(const QString& path, const FileContent& content) {
    const QString reason = ReadFailureReason(content);
    if (reason.isEmpty())
        return QCoreApplication::translate("Files", "Unable to read %1.").arg(path);
    //: The file, then why it cannot be read: "Permission denied", "it is not a file".
    return QCoreApplication::translate("Files", "Unable to read %1: %2.").arg(path, reason);
}

QString LargestReadableFileText() {
    return QLocale().formattedDataSize(kLargestReadableFile, 0, QLocale::DataSizeIecFormat);
}

} // namespace dutyloop
