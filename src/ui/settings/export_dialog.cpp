#include "ui/settings/export_dialog.h"

#include "calendar/date_moves.h"
#include "calendar/ical_export.h"

#include "platform/file_services.h"
#include "schedule/crew.h"
#include "ui/parts/announcer.h"
#include "ui/parts/left_to_right_entries.h"
#include "ui/parts/spoken_steps.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

QDate FirstOfMonth(QDate date) {
    return QDate(date.year(), date.month(), 1);
}

// As the save dialog asks, and with the path shown as it is, never as markup. The buttons say
// what they do, Replace and Cancel, rather than answer the question with Yes and No.
bool AskToReplace(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, ExportDialog::tr("Export Duty Calendar"),
                    ExportDialog::tr("%1 already exists.\nDo you want to replace it?").arg(path),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* replace = box.addButton(ExportDialog::tr("Replace"), QMessageBox::AcceptRole);
    replace->setObjectName(QStringLiteral("replaceButton"));
    QPushButton* cancel = box.addButton(ExportDialog::tr("Cancel"), QMessageBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == replace;
}

} // namespace

QString ExportPathIn(const QString& folder, const QString& assignment) {
    return QDir(folder).filePath(QStringLiteral("Dutyloop ") + assignment + QStringLiteral(".ics"));
}

ExportDialog::ExportDialog(const QString& assignment, QDate shownDate, const Platform& platform,
                           QWidget* parent)
    : QDialog(parent), m_platform(platform), m_folder(platform.documentsFolder) {
    setWindowTitle(tr("Export Duty Calendar"));

    m_assignment = new QComboBox(this);
    m_assignment->setObjectName(QStringLiteral("assignmentBox"));
    const QStringList crews = CrewEntries();
    m_assignment->addItems(crews);
    ShowEntriesLeftToRight(m_assignment);
    m_assignment->setCurrentIndex(
        static_cast<int>(crews.indexOf(CrewOfferedFor(assignment).entry)));
    ReadOutChoice(m_assignment, new Announcer(this));

    // The months the window's date field can reach.
    m_firstMonth = new QDateEdit(this);
    m_firstMonth->setObjectName(QStringLiteral("firstMonthEdit"));
    m_firstMonth->setDisplayFormat(QStringLiteral("MMMM yyyy"));
    m_firstMonth->setDateRange(FirstOfMonth(kPickerFirstDate), FirstOfMonth(kPickerLastDate));
    m_firstMonth->setDate(FirstOfMonth(ClampToPicker(shownDate)));
    SayEachStep(m_firstMonth);

    m_months = new QSpinBox(this);
    m_months->setObjectName(QStringLiteral("monthsBox"));
    m_months->setRange(kMinExportMonths, kMaxExportMonths);
    m_months->setValue(12);
    SayEachStep(m_months);

    m_fileName = new QLineEdit(ExportPathIn(m_folder, m_assignment->currentText()), this);
    m_fileName->setObjectName(QStringLiteral("fileNameEdit"));
    // Room for a whole path in the documents folder.
    m_fileName->setMinimumWidth(280);
    m_choose = new QPushButton(tr("Choose…"), this);
    m_choose->setObjectName(QStringLiteral("chooseButton"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileName, 1);
    fileRow->addWidget(m_choose);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));

    auto* form = new QFormLayout;
    form->addRow(tr("Assignment:"), m_assignment);
    form->addRow(tr("First month:"), m_firstMonth);
    form->addRow(tr("Months:"), m_months);
    // A row of a field and a button has no label of its own for the field; this one names it.
    auto* fileLabel = new QLabel(tr("File:"), this);
    fileLabel->setBuddy(m_fileName);
    form->addRow(fileLabel, fileRow);
    m_choose->setAccessibleName(tr("Choose the file"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_assignment, &QComboBox::currentIndexChanged, this, &ExportDialog::assignmentChanged);
    // textEdited comes from the user only, not from the name following the assignment.
    connect(m_fileName, &QLineEdit::textEdited, this, &ExportDialog::fileNameEdited);
    connect(m_fileName, &QLineEdit::textChanged, this, &ExportDialog::updateOkButton);
    connect(m_choose, &QPushButton::clicked, this, &ExportDialog::chooseClicked);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &ExportDialog::okClicked);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateOkButton();
}

ExportChoice ExportDialog::choice() const {
    return {assignment(), firstMonth(), months(), filePath()};
}

QString ExportDialog::assignment() const {
    return m_assignment->currentText();
}

QDate ExportDialog::firstMonth() const {
    const QDate shown = m_firstMonth->date();
    return QDate(shown.year(), shown.month(), 1);
}

int ExportDialog::months() const {
    return m_months->value();
}

QString ExportDialog::filePath() const {
    const QString name = m_fileName->text().trimmed();
    if (name.isEmpty())
        return {};
    return QDir(m_platform.documentsFolder).filePath(name);
}

void ExportDialog::setFolder(const QString& folder) {
    m_folder = folder.isEmpty() ? m_platform.documentsFolder : folder;
    assignmentChanged();
}

void ExportDialog::assignmentChanged() {
    if (!m_nameChosen)
        m_fileName->setText(ExportPathIn(m_folder, assignment()));
}

void ExportDialog::fileNameEdited() {
    m_nameChosen = true;
}

void ExportDialog::chooseClicked() {
    // Without a save dialog, nothing is chosen.
    const QString chosen =
        m_platform.chooseSaveFile
            ? m_platform.chooseSaveFile(this, tr("Export Duty Calendar"), filePath(),
                                        tr("iCalendar files (*.ics)"))
            : QString();
    if (chosen.isEmpty())
        return;
    m_fileName->setText(chosen);
    m_nameChosen = true;
    m_pickedPath = filePath();
}

void ExportDialog::okClicked() {
    const QString path = filePath();
    if (path != m_pickedPath && QFileInfo::exists(path) && !AskToReplace(this, path))
        return;
    accept();
}

void ExportDialog::updateOkButton() {
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_fileName->text().trimmed().isEmpty());
}

} // namespace dutyloop
