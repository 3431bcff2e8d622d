#pragma once

#include "calendar/locale_settings.h"

#include <QDate>
#include <QString>
#include <functional>

class QWidget;

namespace dutyloop {

class DaysStore;
struct Settings;

// One day to change in the day's dialog: the crew's, as the window shows it.
struct DayToEdit {
    QDate date;
    QDate anchorDate; // the crew's rotation start
    const Settings* settings = nullptr;
    LocaleSettings locale;
};

// Opens the day's dialog on the day as the days file holds it now, and writes what the user
// chose through the store, which tells the month and everything else that follows it. Where the
// file cannot be read, or the change cannot be written, `showError` says why.
void EditDay(QWidget* window, const DayToEdit& day, DaysStore& days,
             const std::function<void(const QString&)>& showError);

// What the user is told when the days file is there but cannot be read.
QString DaysFileUnreadableText(const QString& unreadable);

} // namespace dutyloop
