#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace dutyloop {

// Whether `path` is a folder that only the user `owner` can reach: a folder itself, not a link
// to one, owned by that user, with no rights for anyone else. A socket or lock inside such a
// folder cannot be taken, read or replaced by another local user.
bool IsPrivateFolder(const QString& path, uid_t owner);

// The folder in which the one running window listens for a second start, and where a start
// looks for it: the first of `candidates` that is, or can be made, a private folder of
// `owner`'s and leaves room for a file name of `nameLength` bytes in a socket's address (108
// bytes on Linux). Empty where none can serve.
QString PrivateFolderFor(const QStringList& candidates, uid_t owner, qsizetype nameLength);

// The places tried, in order: $XDG_RUNTIME_DIR itself, then "dutyloop-<uid>" in the temporary
// folder, then "dutyloop" in the user's cache folder. A runtime folder that is missing is made,
// as Qt makes it anyway once the application runs: a start before that and one after must
// choose the same place.
QStringList RuntimeFolderCandidates(uid_t owner);

} // namespace dutyloop
