#pragma once

#include <QDateTime>
#include <QString>

namespace dutyloop {

// `dutyloop --next-duty`: the next duty of the assignment saved in the settings under
// `configFolder`, as it stands at `now` in `now`'s time zone, printed as one line for scripts
// (see NextDutyLine). Says on the standard error why there is none: no crew's rotation, a days
// file that cannot be read, no duty within two rotations. Returns the exit code.
int PrintNextDuty(const QDateTime& now, const QString& configFolder);

} // namespace dutyloop
