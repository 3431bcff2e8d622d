#pragma once

#include "platform/platform.h"
#include "schedule/date.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace dutyloop {

// What the user chose: whose duty days, from which month, for how many months, into which file.
struct ExportChoice {
    QString assignment;
    Date firstMonth = 0; // the 1st of the month
    int months = 12;
    QString path;
};

// "Dutyloop 3 TWT.ics" in `folder`.
QString ExportPathIn(const QString& folder, const QString& assignment);

// Asks what to export: one of the seven crews (the agency-wide entry has no duty days), the
// first month, the number of months and the file.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with the crew whose rotation `assignment` follows (the window takes "5TFS" and
    // "5 tfs" for "5 TFS"), else the first crew, and with the month of `shownDate`. The file is
    // proposed in the platform's documents folder, and Choose… opens its save dialog.
    ExportDialog(const QString& assignment, Date shownDate, const Platform& platform,
                 QWidget* parent);

    // Proposes the file in `folder`, the one written last, until the user names another.
    void setFolder(const QString& folder);

    ExportChoice choice() const;
    QString assignment() const;
    Date firstMonth() const;
    int months() const;
    // A name without a folder stands in the documents folder, not wherever the program started.
    QString filePath() const;

private:
    void assignmentChanged();
    void fileNameEdited();
    void chooseClicked();
    void okClicked();
    void updateOkButton();

    Platform m_platform;
    // Until the user types a name or picks a file, the name follows the assignment.
    bool m_nameChosen = false;
    // The file picked in the save dialog, which has asked already whether to replace it.
    QString m_pickedPath;
    QString m_folder; // where the proposed file stands

    QComboBox* m_assignment = nullptr;
    QDateEdit* m_firstMonth = nullptr;
    QSpinBox* m_months = nullptr;
    QLineEdit* m_fileName = nullptr;
    QPushButton* m_choose = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace dutyloop
