#include "ui/settings/duty_hours_rows.h"

#include "ui/parts/announcer.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/spoken_steps.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/settings_page.h"
#include "ui/settings/settings_rows.h"
#include "ui/settings/time_field.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

// The texts are the Settings tab's, and are translated as its own.
DutyHoursRows::DutyHoursRows(const QLocale& locale, QWidget* form, QVBoxLayout* rows,
                             Announcer* announcer)
    : QObject(form) {
    const auto timeField = [&](const char* name) {
        auto* field = Named(new TimeField(locale, form), name);
        field->setFixedSize(81, 30);
        return field;
    };
    m_dutyStartLabel = Named(new QLabel(SettingsPage::tr("Duty starts"), form), "dutyStartLabel");
    m_dutyStart = timeField("dutyStartField");
    m_dutyStart->setTime(QTime(7, 0));
    m_dutyStartLabel->setBuddy(m_dutyStart);
    rows->addLayout(LabelledRow(m_dutyStartLabel, m_dutyStart, 0));
    rows->addSpacing(16);

    m_dutyLengthLabel = Named(new QLabel(SettingsPage::tr("Duty length"), form), "dutyLengthLabel");
    m_dutyLength = Named(new QSpinBox(form), "dutyLengthField");
    m_dutyLength->setLocale(locale);
    m_dutyLength->setRange(0, 24);
    // Nothing set is a duty all day, as every crew's is until its hours are set.
    m_dutyLength->setSpecialValueText(SettingsPage::tr("All day"));
    //: After a duty's length in hours, as in "24 h".
    m_dutyLength->setSuffix(SettingsPage::tr(" h"));
    m_dutyLength->setFixedSize(81, 30);
    SayEachStep(m_dutyLength);
    m_dutyLengthLabel->setBuddy(m_dutyLength);
    rows->addLayout(LabelledRow(m_dutyLengthLabel, m_dutyLength, 0));
    rows->addSpacing(26);

    m_reminderLabel = Named(new QLabel(SettingsPage::tr("Remind me"), form), "reminderLabel");
    m_reminder = Named(new ClosingComboBox(form), "reminderBox");
    m_reminder->addItem(SettingsPage::tr("Never"), 0);
    m_reminder->addItem(SettingsPage::tr("15 minutes before"), 15);
    m_reminder->addItem(SettingsPage::tr("1 hour before"), 60);
    m_reminder->addItem(SettingsPage::tr("2 hours before"), 120);
    m_reminder->addItem(SettingsPage::tr("The evening before"), -1);
    m_reminder->setFixedSize(150, 30);
    m_reminder->setAccessibleName(SettingsPage::tr("Remind me of duty"));
    m_reminderLabel->setBuddy(m_reminder);
    ReadOutChoice(m_reminder, announcer);
    rows->addLayout(LabelledRow(m_reminderLabel, m_reminder, 0));
    rows->addSpacing(16);

    m_eveningLabel = Named(new QLabel(SettingsPage::tr("In the evening at"), form), "eveningLabel");
    m_eveningAt = timeField("eveningField");
    m_eveningAt->setTime(QTime(19, 0));
    m_eveningAt->setAccessibleName(SettingsPage::tr("Evening reminder at"));
    m_eveningLabel->setBuddy(m_eveningAt);
    rows->addLayout(LabelledRow(m_eveningLabel, m_eveningAt, 0));

    connect(m_dutyStart, &TimeField::timeChanged, this, &DutyHoursRows::applyDutyHours);
    connect(m_dutyLength, &QSpinBox::valueChanged, this, &DutyHoursRows::applyDutyHours);
    connect(m_reminder, &ClosingComboBox::activated, this, &DutyHoursRows::applyReminder);
    connect(m_eveningAt, &TimeField::timeChanged, this, &DutyHoursRows::applyReminder);
}

QList<QLabel*> DutyHoursRows::labels() const {
    return {m_dutyStartLabel, m_dutyLengthLabel, m_reminderLabel, m_eveningLabel};
}

void DutyHoursRows::showDutyHours(const DutyHours* hours, bool hasRotation, const QString& crew) {
    const QSignalBlocker quietStart(m_dutyStart);
    const QSignalBlocker quietLength(m_dutyLength);
    m_hasRotation = hasRotation;
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
    m_dutyStart->setAccessibleName(SettingsPage::tr("Duty of %1 starts at").arg(crew));
    m_dutyLength->setAccessibleName(SettingsPage::tr("Duty of %1 lasts, in hours").arg(crew));
}

void DutyHoursRows::applyDutyHours() {
    if (!m_hasRotation)
        return;
    const int length = m_dutyLength->value();
    m_dutyStart->setEnabled(length > 0);
    describeDutyLength();
    emit dutyHoursEdited(m_dutyStart->time(), length);
}

// The start above is out of the Tab key's way while the duty lasts all day; the length, which
// the key reaches, says why.
void DutyHoursRows::describeDutyLength() {
    m_dutyLength->setAccessibleDescription(
        m_dutyLength->isEnabled() && !m_dutyStart->isEnabled()
            ? SettingsPage::tr(
                  "A duty all day has no start; give it a length to set when it starts.")
            : QString());
}

void DutyHoursRows::showReminder(const Reminder& reminder) {
    const QSignalBlocker quietList(m_reminder);
    const QSignalBlocker quietEvening(m_eveningAt);
    const int entry = reminder.kind == Reminder::Kind::EveningBefore ? -1
                      : reminder.kind == Reminder::Kind::Before      ? reminder.minutesBefore
                                                                     : 0;
    m_reminder->setCurrentIndex(std::max(0, m_reminder->findData(entry)));
    if (reminder.kind == Reminder::Kind::EveningBefore)
        m_eveningAt->setTime(reminder.eveningAt);
    m_eveningAt->setEnabled(reminder.kind == Reminder::Kind::EveningBefore);
}

void DutyHoursRows::applyReminder() {
    const int entry = m_reminder->currentData().toInt();
    Reminder reminder;
    if (entry < 0)
        reminder = {Reminder::Kind::EveningBefore, 0, m_eveningAt->time()};
    else if (entry > 0)
        reminder = {Reminder::Kind::Before, entry, QTime()};
    m_eveningAt->setEnabled(entry < 0);
    emit reminderEdited(reminder);
}

} // namespace dutyloop
