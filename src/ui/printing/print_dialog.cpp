#include "ui/printing/print_dialog.h"

#include "calendar/date_moves.h"
#include "schedule/crew.h"
#include "ui/parts/announcer.h"
#include "ui/parts/left_to_right_entries.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dutyloop {

int FirstPrintableYear() {
    return kPickerFirstDate.year();
}

int LastPrintableYear() {
    return kPickerLastDate.year();
}

PrintDialog::PrintDialog(const QString& assignment, QDate shownDate, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Print Duty Year"));

    m_crew = new QComboBox(this);
    m_crew->setObjectName(QStringLiteral("crewBox"));
    m_crew->addItems(CrewEntries());
    ShowEntriesLeftToRight(m_crew);
    m_crew->setCurrentText(CrewOfferedFor(assignment).entry);
    ReadOutChoice(m_crew, new Announcer(this));

    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("yearBox"));
    m_year->setRange(FirstPrintableYear(), LastPrintableYear());
    m_year->setValue(ClampToPicker(shownDate).year());

    // Cancel is added last: added first, by the box's constructor, it stood outside the focus
    // chain of the buttons added after it, and the Tab key went round those two alone.
    m_buttons = new QDialogButtonBox(this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    m_preview = m_buttons->addButton(tr("Preview…"), QDialogButtonBox::AcceptRole);
    m_pdf = m_buttons->addButton(tr("Save as PDF…"), QDialogButtonBox::AcceptRole);
    m_buttons->addButton(QDialogButtonBox::Cancel);
    m_preview->setObjectName(QStringLiteral("previewButton"));
    m_pdf->setObjectName(QStringLiteral("pdfButton"));
    m_preview->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Crew:"), m_crew);
    form->addRow(tr("Year:"), m_year);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_preview, &QPushButton::clicked, this, [this] { choose(Output::Preview); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { choose(Output::Pdf); });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PrintDialog::crew() const {
    return m_crew->currentText();
}

int PrintDialog::year() const {
    return m_year->value();
}

void PrintDialog::choose(Output output) {
    m_output = output;
    accept();
}

} // namespace dutyloop
