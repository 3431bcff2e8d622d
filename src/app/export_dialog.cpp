#include "app/export_dialog.h"

#include "app/platform/file_services.h"
#include "calendar/date_moves.h"
#include "calendar/ical_export.h"
#include "calendar/qdate_bridge.h"
#include "settings/assignment_list.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

// A system that names a documents folder does not always have one; the file then goes home.
QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() || !QDir(documents).exists() ? QDir::homePath() : documents;
}

QDate FirstOfMonth(Date date) {
    const YearMonthDay ymd = YmdFromDate(date);
    return QDate(ymd.year, ymd.month, 1);
}

} // namespace

ChooseSaveFile SystemSaveFileChooser() {
    return [](QWidget* parent, const QString& proposed) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Duty Calendar"),
                                            proposed, QStringLiteral("iCalendar files (*.ics)"));
    };
}

QString DefaultExportPath(const QString& assignment) {
    return JoinPath(DocumentsFolder(),
                    QStringLiteral("Dutyloop ") + assignment + QStringLiteral(".ics"));
}

ExportDialog::ExportDialog(const QString& assignment, Date shownDate, QWidget* parent,
                           ChooseSaveFile chooseFile)
    : QDialog(parent), m_chooseFile(std::move(chooseFile)) {
    setWindowTitle(QStringLiteral("Export Duty Calendar"));

    m_assignment = new QComboBox(this);
    QStringList crews = AssignmentEntries();
    crews.removeAll(QString::fromLatin1(kAgencyWideEntry));
    m_assignment->addItems(crews);
    // The window takes "3 twt" for "3 TWT"; anything that is no crew starts at the first one.
    const int preset = m_assignment->findText(assignment, Qt::MatchFixedString);
    m_assignment->setCurrentIndex(preset >= 0 ? preset : 0);

    // The months the window's date field can reach.
    m_firstMonth = new QDateEdit(this);
    m_firstMonth->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    m_firstMonth->setDateRange(FirstOfMonth(kPickerFirstDate), FirstOfMonth(kPickerLastDate));
    m_firstMonth->setDate(FirstOfMonth(ClampToPicker(shownDate)));

    m_months = new QSpinBox(this);
    m_months->setRange(kMinExportMonths, kMaxExportMonths);
    m_months->setValue(12);

    m_fileName = new QLineEdit(DefaultExportPath(m_assignment->currentText()), this);
    // Room for a whole path in the documents folder.
    m_fileName->setMinimumWidth(280);
    m_choose = new QPushButton(QStringLiteral("Choose…"), this);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(m_choose);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Assignment:"), m_assignment);
    form->addRow(QStringLiteral("First month:"), m_firstMonth);
    form->addRow(QStringLiteral("Months:"), m_months);
    form->addRow(QStringLiteral("File:"), fileRow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_assignment, &QComboBox::currentIndexChanged, this, &ExportDialog::assignmentChanged);
    // textEdited comes from the user only, not from the name following the assignment.
    connect(m_fileName, &QLineEdit::textEdited, this, &ExportDialog::fileNameEdited);
    connect(m_fileName, &QLineEdit::textChanged, this, &ExportDialog::updateOkButton);
    connect(m_choose, &QPushButton::clicked, this, &ExportDialog::chooseClicked);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateOkButton();
}

ExportChoice ExportDialog::choice() const {
    return {assignment(), firstMonth(), months(), filePath()};
}

QString ExportDialog::assignment() const {
    return m_assignment->currentText();
}

Date ExportDialog::firstMonth() const {
    const QDate shown = m_firstMonth->date();
    return DateFromYmd(shown.year(), shown.month(), 1);
}

int ExportDialog::months() const {
    return m_months->value();
}

QString ExportDialog::filePath() const {
    const QString name = m_fileName->text().trimmed();
    if (name.isEmpty())
        return {};
    return JoinPath(DocumentsFolder(), name);
}

void ExportDialog::assignmentChanged() {
    if (!m_nameChosen)
        m_fileName->setText(DefaultExportPath(assignment()));
}

void ExportDialog::fileNameEdited() {
    m_nameChosen = true;
}

void ExportDialog::chooseClicked() {
    const QString chosen = m_chooseFile(this, filePath());
    if (chosen.isEmpty())
        return;
    m_fileName->setText(chosen);
    m_nameChosen = true;
}

void ExportDialog::updateOkButton() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_fileName->text().trimmed().isEmpty());
}

bool WriteDutyCalendar(const QString& path, const QByteArray& ics) {
    return WriteFileAtomically(path, ics);
}

bool ExportDutyCalendar(const ExportChoice& choice, const QDateTime& stampUtc,
                        const std::function<void(const QString& message)>& showError) {
    const DayRange range = DutyCalendarRange(choice.firstMonth, choice.months);
    const QByteArray ics = DutyCalendarIcs(choice.assignment, range.first, range.last, stampUtc);
    if (WriteDutyCalendar(choice.path, ics))
        return true;
    showError(UnableToWriteMessage(choice.path));
    return false;
}

void RunExport(QWidget* parent, const QString& assignment, Date shownDate,
               const std::function<void(const QString& message)>& showError) {
    ExportDialog dialog(assignment, shownDate, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ExportDutyCalendar(dialog.choice(), QDateTime::currentDateTimeUtc(), showError);
}

} // namespace dutyloop
