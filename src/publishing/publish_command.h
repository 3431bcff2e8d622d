#pragma once

#include <QDateTime>
#include <QString>

namespace dutyloop {

// `dutyloop --publish`: one publishing run without a window, for the crew and target saved in
// the settings under `configFolder`, as it stands at `now` in `now`'s time zone. The password of
// a CalDAV target comes from the secret store, or from `passwordFile` where one is given: a file
// of the user's that no one else may read, its first line the password. Prints what the run did
// and returns 0; returns 1 where the run failed (the reason on the standard error) and 2 where
// there is nothing usable to publish to.
int PublishOnce(const QDateTime& now, const QString& configFolder, const QString& passwordFile);

} // namespace dutyloop
