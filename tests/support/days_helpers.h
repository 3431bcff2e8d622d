#pragma once

// The days file and the day's dialog as the window's tests reach them: the file where the
// window keeps it, the cell of a day, and the hand's moves in the dialog.

#include "window_fixture.h"

#include "ui/calendar/day_dialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QRadioButton>

namespace dutyloop::testing {

inline const QByteArray kThreeTwt = "[Config]\nWorkAssign=3 TWT\n";

inline QString DaysFilePathOf(const WindowUnderTest& fixture) {
    return fixture.settingsFolder() + QStringLiteral("/dutyloop-days.ini");
}

inline QByteArray DaysFileOf(const WindowUnderTest& fixture) {
    QFile file(DaysFilePathOf(fixture));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteDaysFile(const WindowUnderTest& fixture, const QByteArray& text) {
    QDir().mkpath(fixture.settingsFolder());
    QFile file(DaysFilePathOf(fixture));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the days file");
}

inline int CellOf(MainWindow& window, QDate day) {
    return static_cast<int>(window.monthPage().cells[0].date.daysTo(day));
}

inline const CellLook& CellLookOf(MainWindow& window, QDate day) {
    return window.monthPage().cells[static_cast<std::size_t>(CellOf(window, day))];
}

inline void DoubleClickDay(MainWindow& window, QDate day) {
    MonthView* view = ControlsOf(window).monthView;
    QTest::mouseDClick(view, Qt::LeftButton, {}, view->cellRect(CellOf(window, day)).center());
}

inline QPushButton* DialogButton(DayDialog* dialog, QDialogButtonBox::StandardButton which) {
    return Find<QDialogButtonBox>(dialog, "buttonBox")->button(which);
}

// A click on the round mark at the start of a radio button's row, which stretches across the
// dialog beyond its label.
inline void ClickRadio(QRadioButton* button) {
    const QPoint start(button->isRightToLeft() ? button->width() - 6 : 6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, start);
}

// Chooses leave, types the note and presses OK, as a hand does in the dialog.
inline void ChooseLeaveWithNote(DayDialog* dialog, const QString& note) {
    ClickRadio(Find<QRadioButton>(dialog, "leaveButton"));
    QTest::keyClicks(Find<QLineEdit>(dialog, "noteEdit"), note);
    Click(DialogButton(dialog, QDialogButtonBox::Ok));
}

// The kind the dialog has chosen, by its button's name, and the note it shows.
inline QString ShownChoice(DayDialog* dialog) {
    QString kind;
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
        if (button->isChecked())
            kind = button->objectName();
    }
    return kind + QLatin1Char('|') + Find<QLineEdit>(dialog, "noteEdit")->text();
}

} // namespace dutyloop::testing
