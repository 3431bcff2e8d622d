#include "ui/printing/print_dialog.h"

#include "calendar/date_moves.h"
#include "settings/crew_list.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace dutyloop {

int FirstPrintableYear() {
    return YmdFromDate(kPickerFirstDate).year;
}

int LastPrintableYear() {
    return YmdFromDate(kPickerLastDate).year;
}

PrintDialog::PrintDialog(const QString& assignment, Date shownDate, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Print Duty Year"));

    m_crew = new QComboBox(this);
    const QStringList crews = CrewEntries();
    m_crew->addItems(crews);
    m_crew->setCurrentIndex(CrewFollowedBy(crews, assignment));

    m_year = new QSpinBox(this);
    m_year->setRange(FirstPrintableYear(), LastPrintableYear());
    m_year->setValue(YmdFromDate(ClampToPicker(shownDate)).year);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    m_preview = m_buttons->addButton(tr("Preview…"), QDialogButtonBox::AcceptRole);
    m_pdf = m_buttons->addButton(tr("Save as PDF…"), QDialogButtonBox::AcceptRole);
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
