#pragma once

#include "schedule/holidays.h"

#include <QObject>
#include <QString>

class QLabel;
class QVBoxLayout;
class QWidget;

namespace dutyloop {

class Announcer;
class ClosingComboBox;

// The Settings tab's row of the public holidays marked: a region's, or those of a calendar file
// the user chose, named by the file's name, and last the entry that asks for a file.
class HolidaysRow : public QObject {
    Q_OBJECT
public:
    // The row laid into the form's column `rows`; `announcer` says an entry chosen with the keys.
    HolidaysRow(QWidget* form, QVBoxLayout* rows, Announcer* announcer);

    // The region's holidays, or where `file` is not empty, the file's.
    void showChoice(HolidayRegion region, const QString& file);
    QLabel* label() const { return m_label; }

signals:
    void regionChosen(dutyloop::HolidayRegion region);
    // "From a file…": the window asks which. The list shows what holds until then.
    void fileRequested();

private:
    void applyChoice();

    QLabel* m_label = nullptr;
    ClosingComboBox* m_list = nullptr;
    HolidayRegion m_region = HolidayRegion{};
    QString m_file;
};

} // namespace dutyloop
