#include "ui/settings/duty_hours_group.h"

#include "calendar/isolated_runs.h"
#include "calendar/locale_settings.h"
#include "platform/settings_model.h"
#include "schedule/crew.h"
#include "ui/parts/announcer.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/spoken_steps.h"
#include "ui/parts/text_color.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/settings_rows.h"
#include "ui/settings/time_field.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

DutyHoursGroup::DutyHoursGroup(SettingsModel* settings, Announcer* announcer, const QLocale& locale,
                               QWidget* form, QVBoxLayout* rows)
    : QObject(form), m_settings(settings), m_form(form) {
    buildDutyHours(locale);
    buildReminder(locale, announcer);
    rows->addLayout(LabelledRow(m_dutyStartLabel, m_dutyStart));
    rows->addSpacing(16);
    rows->addLayout(LabelledRow(m_dutyLengthLabel, m_dutyLength));
    rows->addSpacing(26);
    rows->addLayout(LabelledRow(m_reminderLabel, m_reminder));
    rows->addSpacing(16);
    rows->addLayout(LabelledRow(m_eveningLabel, m_eveningAt));
    connect(m_dutyStart, &TimeField::timeChanged, this, &DutyHoursGroup::applyDutyHours);
    connect(m_dutyLength, &QSpinBox::valueChanged, this, &DutyHoursGroup::applyDutyHours);
    connect(m_reminder, &ClosingComboBox::activated, this, &DutyHoursGroup::applyReminder);
    connect(m_eveningAt, &TimeField::timeChanged, this, &DutyHoursGroup::applyReminder);
}

TimeField* DutyHoursGroup::timeField(const QLocale& locale, const char* name) {
    auto* field = Named(new TimeField(locale, m_form), name);
    field->setFixedSize(81, 30);
    return field;
}

void DutyHoursGroup::buildDutyHours(const QLocale& locale) {
    m_dutyStartLabel = Named(new QLabel(tr("Duty starts"), m_form), "dutyStartLabel");
    m_dutyStart = timeField(locale, "dutyStartField");
    m_dutyStart->setTime(QTime(7, 0));
    m_dutyStartLabel->setBuddy(m_dutyStart);

    m_dutyLengthLabel = Named(new QLabel(tr("Duty length"), m_form), "dutyLengthLabel");
    m_dutyLength = Named(new QSpinBox(m_form), "dutyLengthField");
    m_dutyLength->setLocale(locale);
    m_dutyLength->setRange(0, 24);
    // Nothing set is a duty all day, as every crew's is until its hours are set.
    m_dutyLength->setSpecialValueText(tr("All day"));
    //: After a duty's length in hours, as in "24 h".
    m_dutyLength->setSuffix(tr(" h"));
    m_dutyLength->setFixedSize(81, 30);
    SayEachStep(m_dutyLength);
    m_dutyLengthLabel->setBuddy(m_dutyLength);
}

void DutyHoursGroup::buildReminder(const QLocale& locale, Announcer* announcer) {
    m_reminderLabel = Named(new QLabel(tr("Remind me"), m_form), "reminderLabel");
    m_reminder = Named(new ClosingComboBox(m_form), "reminderBox");
    m_reminder->addItem(tr("Never"), 0);
    m_reminder->addItem(tr("15 minutes before"), 15);
    m_reminder->addItem(tr("1 hour before"), 60);
    m_reminder->addItem(tr("2 hours before"), 120);
    m_reminder->addItem(tr("The evening before"), -1);
    m_reminder->setFixedSize(150, 30);
    m_reminder->setAccessibleName(tr("Remind me of duty"));
    m_reminderLabel->setBuddy(m_reminder);
    ReadOutChoice(m_reminder, announcer);

    m_eveningLabel = Named(new QLabel(tr("In the evening at"), m_form), "eveningLabel");
    m_eveningAt = timeField(locale, "eveningField");
    m_eveningAt->setTime(QTime(19, 0));
    m_eveningAt->setAccessibleName(tr("Evening reminder at"));
    m_eveningLabel->setBuddy(m_eveningAt);
}

void DutyHoursGroup::setLabelColor(QRgb color) {
    for (QLabel* label : {m_dutyStartLabel, m_dutyLengthLabel, m_reminderLabel, m_eveningLabel})
        SetTextColor(label, color);
}

void DutyHoursGroup::showSettings(const Settings& settings) {
    showDutyHours(settings);
    showReminder(settings);
}

// The hours of the crew chosen in the list; the agency-wide entry has none to set.
void DutyHoursGroup::showDutyHours(const Settings& settings) {
    const QSignalBlocker quietStart(m_dutyStart);
    const QSignalBlocker quietLength(m_dutyLength);
    const int entry = AssignmentEntryOf(settings.assignment);
    const bool hasRotation = entry > 0;
    const DutyHours* hours = DutyHoursOf(settings);
    if (hours) {
        m_dutyStart->setTime(hours->start);
        int minutes = hours->start.secsTo(hours->end) / 60;
        if (minutes <= 0)
            minutes += 24 * 60;
        // A length in whole hours; one with minutes set by hand in the file shows rounded and
        // is kept until the user changes it.
        m_dutyLength->setValue(std::clamp((minutes + 30) / 60, 1, 24));
    } else {
        m_dutyLength->setValue(0);
    }
    m_dutyLength->setEnabled(hasRotation);
    m_dutyStart->setEnabled(hasRotation && hours);
    describeDutyLength();
    const QString crew = LeftToRightRun(entry >= 0 ? AssignmentEntries().at(entry) : QString(),
                                        m_form->isRightToLeft());
    m_dutyStart->setAccessibleName(tr("Duty of %1 starts at").arg(crew));
    m_dutyLength->setAccessibleName(tr("Duty of %1 lasts, in hours").arg(crew));
}

void DutyHoursGroup::applyDutyHours() {
    Settings edited = m_settings->edited();
    if (AssignmentEntryOf(edited.assignment) <= 0)
        return;
    const int length = m_dutyLength->value();
    if (length == 0) {
        edited.dutyHours.erase(edited.assignment);
    } else {
        const QTime start = m_dutyStart->time();
        edited.dutyHours[edited.assignment] = {start, start.addSecs(length * 3600)};
    }
    m_dutyStart->setEnabled(length > 0);
    describeDutyLength();
    m_settings->edit(edited);
}

// The start above is out of the Tab key's way while the duty lasts all day; the length, which
// the key reaches, says why.
void DutyHoursGroup::describeDutyLength() {
    m_dutyLength->setAccessibleDescription(
        m_dutyLength->isEnabled() && !m_dutyStart->isEnabled()
            ? tr("A duty all day has no start; give it a length to set when it starts.")
            : QString());
}

void DutyHoursGroup::showReminder(const Settings& settings) {
    const QSignalBlocker quietList(m_reminder);
    const QSignalBlocker quietEvening(m_eveningAt);
    const Reminder& reminder = settings.reminder;
    const int entry = reminder.kind == Reminder::Kind::EveningBefore ? -1
                      : reminder.kind == Reminder::Kind::Before      ? reminder.minutesBefore
                                                                     : 0;
    m_reminder->setCurrentIndex(std::max(0, m_reminder->findData(entry)));
    if (reminder.kind == Reminder::Kind::EveningBefore)
        m_eveningAt->setTime(reminder.eveningAt);
    m_eveningAt->setEnabled(reminder.kind == Reminder::Kind::EveningBefore);
}

void DutyHoursGroup::applyReminder() {
    const int entry = m_reminder->currentData().toInt();
    Settings edited = m_settings->edited();
    Reminder& reminder = edited.reminder;
    if (entry < 0)
        reminder = {Reminder::Kind::EveningBefore, 0, m_eveningAt->time()};
    else if (entry > 0)
        reminder = {Reminder::Kind::Before, entry, QTime()};
    else
        reminder = Reminder();
    m_eveningAt->setEnabled(entry < 0);
    m_settings->edit(edited);
}

} // namespace dutyloop
