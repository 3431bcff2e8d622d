#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace dutyloop {

// The steps of an atomic write, each of which a full disk or a file-size limit can make fail.
enum class WriteStep { Open, Write, Flush, Commit };

// True for the step that is to fail. Tests use it to make a write fail where the system would.
using WriteFault = std::function<bool(WriteStep step)>;

// Whether a file was written, and if not, why: the system's words for its error in the user's
// language, or that what stands under the name is no file.
struct FileWrite {
    bool written = false;
    QString reason; // empty when written
};

// What a write does with a symbolic link under the file's name.
enum class SymbolicLinks {
    // The link stays and the file it leads to takes the bytes, as a user who keeps the settings
    // file elsewhere and links it into place expects.
    Follow,
    // The link itself gives way to the new file, and what it leads to is never touched: for the
    // files the program alone keeps, which a link cannot send to another file.
    Replace,
};

// Replaces the file's content as one step: the bytes go to a temporary file beside it that
// only takes the file's place once completely written and flushed to disk. So a failed write
// leaves an existing file exactly as it was and never leaves a half-written one, nor the
// temporary file. Only a regular file is replaced, or a link as `links` says; the new file keeps
// the old one's mode and, where the process may give it, its owner. A step made to fail by
// `fault` gives the reason the system would give there.
FileWrite WriteFileAtomicallyWithReason(const QString& path, const QByteArray& bytes,
                                        const WriteFault& fault = {},
                                        SymbolicLinks links = SymbolicLinks::Follow);

// The same, for a caller that only needs to know whether: true when the file now holds `bytes`.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, const WriteFault& fault = {},
                         SymbolicLinks links = SymbolicLinks::Follow);

} // namespace dutyloop
