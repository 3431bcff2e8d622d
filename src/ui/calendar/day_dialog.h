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

// Asks what became of one day: as rostered, leave, sick, swapped off or extra duty, and a note.
// Only the kinds that fit the day's rostered duty can be chosen, and before the rotation starts
// nothing can. "Remove change" clears both the kind and the note and closes the dialog.
class DayDialog : public QDialog {
    Q_OBJECT
public:
    // `longDate` names the day in the title, beside its rostered duty.
    DayDialog(const QString& longDate, DutyCode rostered, const DayChange& current,
              QWidget* parent);

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
