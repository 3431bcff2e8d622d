#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace dutyloop {

// The folder where the user's settings belong: $XDG_CONFIG_HOME, else ~/.config. When the
// system names none, the home folder, and when even that is missing, the current folder, so
// that there is always somewhere to look.
QString UserConfigFolder();

// `second` within `first`, with one '/' between them. A rooted `second` stands on its own,
// and an empty `first` gives `second` unchanged.
QString JoinPath(const QString& first, const QString& second);

// Whether `path` is a directory, following symbolic links.
bool DirectoryExists(const QString& path);

// Makes the directory and any missing parents. True when the directory exists afterwards;
// false when it cannot be made (for instance where a plain file has its name), without any
// message, since the caller has a fallback.
bool CreateDirectoryWithParents(const QString& path);

// The whole file; nullopt when it is missing, is a directory or cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path);

// Replaces the file's content as one step: the bytes go to a temporary file beside it that
// only takes the file's place once completely written. So a failed write leaves an existing
// file exactly as it was and never leaves a half-written one. True when the file now holds
// `bytes`.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes);

// What the user is told when a file cannot be written: "Unable to write to <path>."
QString UnableToWriteMessage(const QString& path);

} // namespace dutyloop
