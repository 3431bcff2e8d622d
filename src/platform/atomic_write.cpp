#include "platform/atomic_write.h"

#include "platform/file_services.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dutyloop {

namespace {

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
QString StoreTemporaryFile(QFileDevice& file, const QByteArray& bytes, const struct stat* old,
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

FileWrite Failed(const QString& reason) {
    return {false, reason};
}

// Through QSaveFile, which writes the file a link leads to.
FileWrite WriteThroughSaveFile(const QString& path, const QByteArray& bytes, const struct stat* old,
                               const std::function<bool(WriteStep)>& failsAt) {
    QSaveFile file(path);
    if (failsAt(WriteStep::Open))
        return Failed(qt_error_string(InjectedError(WriteStep::Open)));
    if (!file.open(QIODevice::WriteOnly))
        return Failed(file.errorString());
    QString unstored = StoreTemporaryFile(file, bytes, old, failsAt);
    if (unstored.isEmpty() && failsAt(WriteStep::Commit))
        unstored = qt_error_string(InjectedError(WriteStep::Commit));
    if (!unstored.isEmpty()) {
        // Never committed: the temporary file is removed when `file` goes.
        file.cancelWriting();
        return Failed(unstored);
    }
    if (!file.commit())
        return Failed(file.errorString());
    return {true, {}};
}

// A new file beside `name`, "<name>.XXXXXX" as QSaveFile names its own, made here (nothing of
// that name is opened, nor a link followed) with the mode the user's umask gives a new file.
int CreateFileBeside(const QByteArray& name, QByteArray& created) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int tries = 0; tries < 100; ++tries) {
        created = name + '.';
        for (int i = 0; i < 6; ++i)
            created += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
        const int fd =
            ::open(created.constData(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Written beside the name and renamed onto it, which puts the file in the place of whatever
// file or link stands there, never following the link.
FileWrite WriteAndRename(const QByteArray& name, const QByteArray& bytes, const struct stat* old,
                         const std::function<bool(WriteStep)>& failsAt) {
    if (failsAt(WriteStep::Open))
        return Failed(qt_error_string(InjectedError(WriteStep::Open)));
    QByteArray temporary;
    const int fd = CreateFileBeside(name, temporary);
    if (fd < 0)
        return Failed(qt_error_string(errno));
    QString unstored;
    {
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            unstored = file.errorString();
        } else {
            unstored = StoreTemporaryFile(file, bytes, old, failsAt);
            file.close();
            if (unstored.isEmpty() && file.error() != QFileDevice::NoError)
                unstored = file.errorString();
        }
    }
    if (unstored.isEmpty() && failsAt(WriteStep::Commit))
        unstored = qt_error_string(InjectedError(WriteStep::Commit));
    if (unstored.isEmpty() && ::rename(temporary.constData(), name.constData()) != 0)
        unstored = qt_error_string(errno);
    if (!unstored.isEmpty()) {
        ::unlink(temporary.constData());
        return Failed(unstored);
    }
    return {true, {}};
}

} // namespace

FileWrite WriteFileAtomicallyWithReason(const QString& path, const QByteArray& bytes,
                                        const WriteFault& fault, SymbolicLinks links) {
    const auto failsAt = [&fault](WriteStep step) { return fault && fault(step); };
    if (path.isEmpty())
        return Failed(qt_error_string(ENOENT));
    const QByteArray name = QFile::encodeName(path);
    const bool follow = links == SymbolicLinks::Follow;
    struct stat old {};
    const bool exists =
        (follow ? ::stat(name.constData(), &old) : ::lstat(name.constData(), &old)) == 0;
    // A folder, a FIFO, a device or a link that never ends under the file's name stays what it
    // is; only a name that leads nowhere yet (ENOENT) makes a new file.
    if (!exists && errno != ENOENT)
        return Failed(qt_error_string(errno));
    const bool link = exists && S_ISLNK(old.st_mode);
    if (exists && !link && !S_ISREG(old.st_mode))
        return Failed(NotAFileReason());
    const bool replacing = exists && !link;
    // QSaveFile refuses a file it may not write in words of its own; the system's say it as
    // they say every other refusal. A rename would not even ask.
    if (replacing && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
        return Failed(qt_error_string(errno));
    const FileSizeSignalIgnored noSignal;
    if (follow)
        return WriteThroughSaveFile(path, bytes, replacing ? &old : nullptr, failsAt);
    return WriteAndRename(name, bytes, replacing ? &old : nullptr, failsAt);
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, const WriteFault& fault,
                         SymbolicLinks links) {
    return WriteFileAtomicallyWithReason(path, bytes, fault, links).written;
}

} // namespace dutyloop
