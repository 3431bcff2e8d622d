#pragma once

#include <QDate>

#include <QDialog>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QPushButton;
class QSpinBox;

namespace dutyloop {

// Asks whose year to print and which: one of the seven crews (the agency-wide entry has no
// duties) and a year the calendar can show; then either a print preview, from which the user
// prints, or a PDF file.
class PrintDialog : public QDialog {
    Q_OBJECT
public:
    enum class Output { Preview, Pdf };

    // Starts with the crew whose rotation `assignment` follows, else the first crew, and with
    // the year of `shownDate`.
    PrintDialog(const QString& assignment, QDate shownDate, QWidget* parent);

    QString crew() const;
    int year() const;
    Output output() const { return m_output; }

private:
    void choose(Output output);

    Output m_output = Output::Preview;
    QComboBox* m_crew = nullptr;
    QSpinBox* m_year = nullptr;
    QPushButton* m_preview = nullptr;
    QPushButton* m_pdf = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

// The years the calendar can show, and so the years that can be printed.
int FirstPrintableYear();
int LastPrintableYear();

} // namespace dutyloop
