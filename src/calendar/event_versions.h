#pragma once

#include "calendar/ical_writer.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>

namespace dutyloop {

// What an export takes over from the file it replaces (the last export to the same path), so
// that importing the new file over the old one leaves a calendar program with the events as
// they now are.
//
// `events` are this export's, for the days from `first` to `last`; `earlier` is the file it
// replaces, its events of the same assignment those whose UID ends in `uidSuffix` after a key
// that ends in a date. Of those, the first of each UID counts:
// - every event gets a SEQUENCE and a LAST-MODIFIED: those the earlier file gave it where the
//   event is as it was there, else `stampUtc`, and SEQUENCE then the minutes from 2000-01-01
//   00:00 UTC to it, at least one more than before. So SEQUENCE only grows, for as long as the
//   clock does, also where the earlier file is gone;
// - an earlier event that overlaps the days and is no longer among `events` comes again,
//   "Cancelled: " before its summary, with STATUS:CANCELLED; one that was cancelled there stays
//   so, so that an export imported late still cancels. One wholly outside the days, exported
//   with another range, is left to the file of that range.
// The events then stand in the order of their first days.
void FollowEarlierExport(QList<IcalEvent>& events, const IcalCalendar& earlier,
                         const QByteArray& uidSuffix, QDate first, QDate last,
                         const QDateTime& stampUtc);

} // namespace dutyloop
