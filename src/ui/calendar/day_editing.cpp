#include "ui/calendar/day_editing.h"

#include "calendar/cell_descriptions.h"
#include "calendar/duty_hours_texts.h"
#include "platform/days_store.h"
#include "schedule/crew.h"
#include "schedule/rotation.h"
#include "settings/settings_file.h"
#include "ui/calendar/day_dialog.h"

#include <QCoreApplication>

namespace dutyloop {

void EditDay(QWidget* window, const DayToEdit& day, DaysStore& days,
             const std::function<void(const QString&)>& showError) {
    // The dialog shows the day as the file has it now, whatever was written there since.
    if (!days.reload()) {
        showError(DaysFileUnreadableText(days.unreadable()));
        return;
    }
    const Settings& settings = *day.settings;
    const DayChanges& changes = days.changesOf(settings.assignment);
    const DayChange seen = StoredChangeOn(day.date, changes);
    const DayChange shown = ChangeOn(day.date, day.anchorDate, changes);
    const DutyHours* hours = DutyHoursOf(settings);
    DayDialog dialog({LongDateText(day.date, day.locale), DutyCodeFor(day.date, day.anchorDate),
                      hours ? DutyHoursText(*hours, day.locale) : QString(),
                      CrewFollowing(settings.assignment).has_value(), shown},
                     window);
    // OK on what the file already says writes nothing, so the line stays as it was written.
    if (dialog.exec() != QDialog::Accepted || dialog.change() == shown)
        return;
    const QString refusal =
        days.write({days.path(), settings.assignment, day.date, seen, dialog.change(), day.locale});
    if (!refusal.isEmpty())
        showError(refusal);
}

QString DaysFileUnreadableText(const QString& unreadable) {
    return QCoreApplication::translate("dutyloop::MainWindow",
                                       "%1\nYour own days cannot be shown or changed until it "
                                       "can be read.")
        .arg(unreadable);
}

} // namespace dutyloop
