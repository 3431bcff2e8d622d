#pragma once

#include "platform/file_services.h"

#include <QByteArray>
#include <QString>

namespace dutyloop {

// Where a command writes the file it was asked for: "-" and /dev/stdout are its standard output,
// a pipe or a device (a FIFO, /dev/null, a process substitution's /dev/fd/N) is written as it
// stands, and anything else is replaced as one step by WriteFileAtomically. Written when all of
// `bytes` went there; else the system's reason.
FileWrite WriteOutputFile(const QString& path, const QByteArray& bytes);

} // namespace dutyloop
