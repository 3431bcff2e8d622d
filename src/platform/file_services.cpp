#include "platform/file_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <csignal>
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

// A write beyond the file-size limit raises SIGXFSZ, which ends the program unless it is
// ignored; ignored, the write fails instead and the failure is reported like any other.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        m_saved = ::sigaction(SIGXFSZ, &ignore, &m_previous) == 0;
    }
    ~FileSizeSignalIgnored() {
        if (m_saved)
            ::sigaction(SIGXFSZ, &m_previous, nullptr);
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction m_previous {};
    bool m_saved = false;
};

// Only the super-user may give a file to another user, and only a member to another group;
// where the process may not, the new file stays its own, and that is no failure.
bool KeepOwner(int fd, const struct stat& old) {
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 ||
           ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
}

// After the owner, since a change of owner clears the set-user and set-group bits.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
    KeepOwner(fd, old);
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

// Written is not yet stored: a delayed write error shows here, where it can still be reported.
bool SyncToDisk(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL;
}

// The error a step made to fail stands for, as the system gives it there: a folder that lets
// no new file in, a full disk, a disk that fails to store what it was given, a file taken.
int InjectedError(WriteStep step) {
    switch (step) {
    case WriteStep::Open:
        return EACCES;
    case WriteStep::Write:
        return ENOSPC;
    case WriteStep::Flush:
        return EIO;
    case WriteStep::Commit:
        return EPERM;
    }
    return EIO;
}

// Gives the temporary file the old file's owner and mode, where there is one, and all of
// `bytes`, stored on the disk. Empty when it is, else why not.
QString StoreTemporaryFile(QSaveFile& file, const QByteArray& bytes, const struct stat* old,
                           const std::function<bool(WriteStep)>& failsAt) {
    if (old && !KeepOwnerAndMode(file.handle(), *old))
        return qt_error_string(errno);
    // A failure at the write step stops halfway through, as a full disk does.
    if (failsAt(WriteStep::Write)) {
        file.write(bytes.constData(), bytes.size() / 2);
        return qt_error_string(InjectedError(WriteStep::Write));
    }
    // write() may only have filled Qt's buffer, and commit() does not report a failure to empty
    // it; so the buffer is emptied and the file synced here, where each failure is seen.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (!SyncToDisk(file.handle()))
        return qt_error_string(errno);
    if (failsAt(WriteStep::Flush))
        return qt_error_string(InjectedError(WriteStep::Flush));
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
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

FileWrite WriteFileAtomicallyWithReason(const QString& path, const QByteArray& bytes,
                                        const WriteFault& fault) {
    const auto failsAt = [&fault](WriteStep step) { return fault && fault(step); };
    const auto failed = [](const QString& reason) { return FileWrite{false, reason}; };
    if (path.isEmpty())
        return failed(qt_error_string(ENOENT));
    const QByteArray name = QFile::encodeName(path);
    struct stat old {};
    const bool replacing = ::stat(name.constData(), &old) == 0;
    // A folder, a FIFO, a device or a link that never ends under the file's name stays what it
    // is; only a name that leads nowhere yet (ENOENT) makes a new file.
    if (!replacing && errno != ENOENT)
        return failed(qt_error_string(errno));
    if (replacing && !S_ISREG(old.st_mode))
        return failed(NotAFileReason());
    // QSaveFile refuses a file it may not write in words of its own; the system's say it as
    // they say every other refusal.
    if (replacing && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
        return failed(qt_error_string(errno));
    const FileSizeSignalIgnored noSignal;
    QSaveFile file(path);
    if (failsAt(WriteStep::Open))
        return failed(qt_error_string(InjectedError(WriteStep::Open)));
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    QString unstored = StoreTemporaryFile(file, bytes, replacing ? &old : nullptr, failsAt);
    if (unstored.isEmpty() && failsAt(WriteStep::Commit))
        unstored = qt_error_string(InjectedError(WriteStep::Commit));
    if (!unstored.isEmpty()) {
        // Never committed: the temporary file is removed when `file` goes.
        file.cancelWriting();
        return failed(unstored);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {true, {}};
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, const WriteFault& fault) {
    return WriteFileAtomicallyWithReason(path, bytes, fault).written;
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
