#pragma once

#include "app/form_widgets.h"
#include "app/main_form.h"
#include "app/toolkit/t_combo_box.h"
#include "app/toolkit/t_tab_control.h"
#include "calendar/qdate_bridge.h"

#include <QApplication>
#include <QDateEdit>
#include <QTest>
#include <memory>

namespace dutyloop::testing {

// A window on a fixed day in a US English locale, shown on the offscreen platform.
inline std::unique_ptr<TMainForm> ShownForm(QDate today = QDate(2023, 9, 15)) {
    Platform platform{[today] { return today; }, QLocale(QLocale::English, QLocale::UnitedStates)};
    auto form = std::make_unique<TMainForm>(std::move(platform));
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("window not exposed");
    return form;
}

// Chooses an entry of the assignment list and goes back to the calendar, as a user does.
inline void ChooseAssignment(TMainForm& form, const QString& entry) {
    const FormWidgets& w = form.widgets();
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.cbPlt->setCurrentIndex(w.cbPlt->findText(entry));
    form.cbPltClosePopup();
    form.sbBack2Click();
}

// Picks a date in the date field's drop-down calendar and closes it.
inline void PickDate(TMainForm& form, QDate date) {
    form.widgets().DateEd->setDate(date);
    form.DateEdClosePicker();
}

inline QWidget* KeyTarget(TMainForm& form) {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == &form ? focus : &form;
}

inline Date D(int year, int month, int day) {
    return DateFromYmd(year, month, day);
}

} // namespace dutyloop::testing

#include "app/toolkit/t_color_combo_box.h"

#include <QPushButton>

namespace dutyloop::testing {

// Presses a colour button, picks the colour in the picker and lets its list close.
inline void PickColour(TMainForm& form, QPushButton* button, Color colour) {
    form.bAPltClick(button);
    form.widgets().ccbColor->setColor(colour);
    form.widgets().ccbColor->hidePopup();
}

} // namespace dutyloop::testing
