#pragma once

#include "platform/atomic_write.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace dutyloop {

// The folder where the user's settings belong: $XDG_CONFIG_HOME when it names an absolute path,
// else .config in the home folder ($HOME, or the account's home folder when HOME is unset), else
// the current folder, so that there is always somewhere to look.
QString UserConfigFolder();

// Where the user's documents go: the system's documents folder, or the home folder where the
// system names none or it does not exist.
QString DocumentsFolder();

// Whether `path` is a directory, following symbolic links.
bool DirectoryExists(const QString& path);

// Makes the directory and any missing parents. True when the directory exists afterwards;
// false when it cannot be made (for instance where a plain file has its name), without any
// message, since the caller has a fallback.
bool CreateDirectoryWithParents(const QString& path);

// Larger than any file the program reads could be: a settings file holds a few lines, a days
// file a line a day. No file the program reads back is written larger.
inline constexpr qsizetype kLargestReadableFile = 16 * 1024 * 1024;

// Why a file was not read.
enum class ReadFailure {
    None,
    Missing,        // nothing of that name, or a link that leads nowhere
    NotRegularFile, // a folder, a FIFO, a device, also behind a link
    TooLarge,       // larger than kLargestReadableFile
    SystemError,    // the system refused (no permission, an input/output error)
};

// A file's whole content, or why there is none.
struct FileContent {
    QByteArray bytes;
    ReadFailure failure = ReadFailure::None;
    int systemError = 0; // errno, for a SystemError
    bool read() const { return failure == ReadFailure::None; }
};

// Reads the whole file when it is a regular file of at most kLargestReadableFile bytes. Never
// waits for a writer and never reads without end.
FileContent ReadFile(const QString& path);

// The whole file; nullopt when ReadFile does not read it, for whatever reason.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Why a file that is there was not read, in the user's language: "it is not a file", "it is
// larger than 16 MiB" or the system's words; empty where it was read or is missing.
QString ReadFailureReason(const FileContent& content);

// Why a folder, a FIFO or a device under a file's name is neither read nor written.
QString NotAFileReason();

// What the user is told when a file cannot be written: "Unable to write to <path>: <reason>.",
// or without a reason where none is known.
QString UnableToWriteMessage(const QString& path, const QString& reason = {});

// What the user is told when a file that is there cannot be read: "Unable to read <path>: "
// and the reason.
QString UnableToReadMessage(const QString& path, const FileContent& content);

// The size no file the program reads may pass, as the user reads it: "16 MiB".
QString LargestReadableFileText();

} // namespace dutyloop
