#include "ui/settings/crew_group.h"

#include "platform/settings_model.h"
#include "schedule/crew.h"
#include "ui/parts/announcer.h"
#include "ui/parts/left_to_right_entries.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/text_color.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/settings_rows.h"
#include "ui/settings/toggle_switch.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dutyloop {

CrewGroup::CrewGroup(SettingsModel* settings, Announcer* announcer, QWidget* form,
                     QVBoxLayout* rows)
    : QObject(form), m_settings(settings) {
    m_assignmentLabel = Named(new QLabel(tr("Assignment"), form), "assignmentLabel");
    m_assignment = Named(new ClosingComboBox(form), "assignmentBox");
    m_assignment->addItems(AssignmentEntries());
    ShowEntriesLeftToRight(m_assignment);
    m_assignment->setCurrentIndex(-1);
    m_assignment->setMaxVisibleItems(12);
    m_assignment->setFixedSize(81, 30);
    // Named by its label, as the lists of the Export and Print dialogs are.
    m_assignmentLabel->setBuddy(m_assignment);
    ReadOutChoice(m_assignment, announcer);
    rows->addLayout(LabelledRow(m_assignmentLabel, m_assignment));
    rows->addSpacing(26);
    connect(m_assignment, &ClosingComboBox::listClosed, this, &CrewGroup::applyAssignment);
    // A choice made with the keys on the closed list counts as much as one from its drop-down.
    connect(m_assignment, &ClosingComboBox::activated, this, &CrewGroup::applyAssignment);

    m_weekStartLabel = Named(new QLabel(tr("Start Monday"), form), "weekStartLabel");
    m_weekStart = Named(new ToggleSwitch(form), "weekStartSwitch");
    m_weekStart->setFixedSize(55, 25);
    m_weekStart->setAccessibleName(tr("Start weeks on Monday"));
    // The switch's knob travel ends where the list's arrow does.
    rows->addLayout(LabelledRow(m_weekStartLabel, m_weekStart, 10));
    connect(m_weekStart, &ToggleSwitch::toggled, this, [this](bool on) {
        Settings edited = m_settings->edited();
        edited.weekStartsOnMonday = on;
        m_settings->edit(edited);
    });
}

void CrewGroup::showSettings(const Settings& settings) {
    const QSignalBlocker quiet(m_weekStart);
    m_assignment->setCurrentIndex(AssignmentEntryOf(settings.assignment));
    m_weekStart->setChecked(settings.weekStartsOnMonday);
}

void CrewGroup::focusAssignment() {
    m_assignment->setFocus(Qt::OtherFocusReason);
}

void CrewGroup::setLabelColor(QRgb color) {
    SetTextColor(m_assignmentLabel, color);
    SetTextColor(m_weekStartLabel, color);
}

void CrewGroup::applyAssignment() {
    if (m_assignment->currentIndex() < 0)
        m_assignment->setCurrentIndex(0);
    Settings edited = m_settings->edited();
    edited.assignment = m_assignment->currentText();
    m_settings->edit(edited);
}

} // namespace dutyloop
