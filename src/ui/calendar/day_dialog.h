#pragma once

#include "schedule/day_changes.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace dutyloop {

// The day the dialog asks about, as the window knows it.
struct DayDialogDay {
    QString longDate; // names the day in the title, beside its rostered duty
    DutyCode rostered = DutyCode::NoRotation;
    QString dutyHours;       // the crew's hours, said with a work day; none for a duty all day
    bool followsCrew = true; // false under the agency-wide entry, where nothing can be changed
    DayChange current;       // what the days file holds for the day now
};

// Asks what became of one day: as rostered, leave, sick, swapped off or extra duty, and a note.
// Only the kinds that fit the day's rostered duty can be chosen; before the rotation starts, and
// where no crew is followed, nothing can. "Remove change" clears both the kind and the note and
// closes the dialog.
class DayDialog : public QDialog {
    Q_OBJECT
public:
    DayDialog(const DayDialogDay& day, QWidget* parent);

    DayChange change() const;

private:
    void removeChange();

    std::array<QRadioButton*, 5> m_kinds{};
    QButtonGroup* m_kindGroup = nullptr;
    QLineEdit* m_note = nullptr;
    QPushButton* m_remove = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    bool m_removed = false;
};

} // namespace dutyloop
