#pragma once

#include "platform/platform.h"
#include <QDate>

#include <QByteArray>
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

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
    QDate firstMonth; // the 1st of the month
    int months = 12;
    QString path;
};

// Asks for a file name to save to, starting from `proposed`; empty when the user cancels. The
// dialog takes the system's save dialog unless it is given another, as tests do.
using ChooseSaveFile = std::function<QString(QWidget* parent, const QString& proposed)>;

ChooseSaveFile SystemSaveFileChooser();

// "Dutyloop 3 TWT.ics" in the documents folder (the home folder when the system names none).
QString DefaultExportPath(const QString& assignment);
// The same name in `folder`; in the documents folder where `folder` is empty.
QString ExportPathIn(const QString& folder, const QString& assignment);

// Asks what to export: one of the seven crews (the agency-wide entry has no duty days), the
// first month, the number of months and the file.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // Starts with the crew whose rotation `assignment` follows (the window takes "5TFS" and
    // "5 tfs" for "5 TFS"), else the first crew, and with the month of `shownDate`.
    ExportDialog(const QString& assignment, QDate shownDate, QWidget* parent,
                 ChooseSaveFile chooseFile = SystemSaveFileChooser());

    // Proposes the file in `folder`, the one written last, until the user names another.
    void setFolder(const QString& folder);

    ExportChoice choice() const;
    QString assignment() const;
    QDate firstMonth() const;
    int months() const;
    // A name without a folder stands in the documents folder, not wherever the program started.
    QString filePath() const;

    QComboBox* assignmentBox() const { return m_assignment; }
    QDateEdit* firstMonthEdit() const { return m_firstMonth; }
    QSpinBox* monthsBox() const { return m_months; }
    QLineEdit* fileNameEdit() const { return m_fileName; }
    QPushButton* chooseButton() const { return m_choose; }
    QDialogButtonBox* buttonBox() const { return m_buttons; }

private:
    void assignmentChanged();
    void fileNameEdited();
    void chooseClicked();
    void okClicked();
    void updateOkButton();

    ChooseSaveFile m_chooseFile;
    // Until the user types a name or picks a file, the name follows the assignment.
    bool m_nameChosen = false;
    // The file picked in the save dialog, which has asked already whether to replace it.
    QString m_pickedPath;
    QString m_folder; // where the proposed file stands; empty for the documents folder

    QComboBox* m_assignment = nullptr;
    QDateEdit* m_firstMonth = nullptr;
    QSpinBox* m_months = nullptr;
    QLineEdit* m_fileName = nullptr;
    QPushButton* m_choose = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// Writes the chosen calendar, stamped `stampUtc`, through the window's one way of writing a
// file, and gives the number of duty periods written. On failure the error box says "Unable to
// write to <path>." and there is no result. The user's changes on the chosen crew's days count as
// they were made.
std::optional<int> ExportDutyCalendar(const ExportChoice& choice, const QDateTime& stampUtc,
                                      const Platform& platform, QWidget* window,
                                      const QByteArray& daysFileText = {});

// What an export wrote: the file and the number of duty periods in it.
struct ExportReport {
    QString path;
    int dutyPeriods = 0;
};

// The whole export as the window's button runs it: the dialog, proposing a file in `folder`,
// and on OK the file. Nothing when the user cancels or the file could not be written.
std::optional<ExportReport> RunExport(QWidget* window, const QString& assignment, QDate shownDate,
                                      const QString& folder, const Platform& platform,
                                      const QByteArray& daysFileText = {});

// "57 duty periods written to <path>", in the user's language.
QString ExportReportText(const ExportReport& report);

} // namespace dutyloop
