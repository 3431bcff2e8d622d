#pragma once

// What a screen reader is told, heard as Qt's own accessibility tests hear it: Qt hands its
// events to an update handler, and does so only while accessibility is active, which on the
// offscreen platform is switched on through the platform's accessibility.

#include "window_fixture.h"

#include <QAccessible>
#include <QLocale>
#ifdef DUTYLOOP_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

namespace dutyloop::testing {

inline QAccessibleTableInterface* MonthTable(MainWindow& window) {
    QAccessibleInterface* view =
        QAccessible::queryAccessibleInterface(ControlsOf(window).monthView);
    return view && view->role() == QAccessible::Table ? view->tableInterface() : nullptr;
}

// One event, with the object it is about; for a notification that came into view, its words as
// they were then, which outlive a dialog's notifications.
struct HeardEvent {
    QAccessible::Event type;
    QAccessibleInterface* about;
    QString notice;
    QString text; // what a text event says was typed or erased
};
inline QList<HeardEvent>& Heard() {
    static QList<HeardEvent> events;
    return events;
}
inline void Hear(QAccessibleEvent* event) {
    QAccessibleInterface* about = event->accessibleInterface();
    QString notice;
    if (event->type() == QAccessible::ObjectShow && about && about->isValid() &&
        about->role() == QAccessible::Notification)
        notice = about->text(QAccessible::Name);
    QString text;
    if (event->type() == QAccessible::TextInserted)
        text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
    else if (event->type() == QAccessible::TextRemoved)
        text = static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved();
    Heard().append({event->type(), about, notice, text});
}

// The interfaces the events of one kind were about, in order.
inline QList<QAccessibleInterface*> HeardAbout(QAccessible::Event type) {
    QList<QAccessibleInterface*> about;
    for (const HeardEvent& event : std::as_const(Heard())) {
        if (event.type == type)
            about.append(event.about);
    }
    return about;
}

// The object a screen reader was last told has the focus.
inline QAccessibleInterface* LastFocused() {
    const QList<QAccessibleInterface*> focused = HeardAbout(QAccessible::Focus);
    return focused.isEmpty() ? nullptr : focused.last();
}

// What was said without a move of the focus: the names of the notifications that came into
// view, in order.
inline QStringList Announced() {
    QStringList said;
    for (const HeardEvent& event : std::as_const(Heard())) {
        if (!event.notice.isEmpty())
            said.append(event.notice);
    }
    return said;
}

// As if a screen reader were listening; false where the platform has no accessibility, or
// where Qt's private headers were not there to reach it.
inline bool SetAccessibilityActive(bool active) {
#ifdef DUTYLOOP_QPA_ACCESSIBILITY
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        return false;
    platform->setActive(active);
    return QAccessible::isActive() == active;
#else
    Q_UNUSED(active);
    return false;
#endif
}

// Starts hearing in a test's init(), stops in its cleanup().
inline bool StartHearing() {
    Heard().clear();
    QAccessible::installUpdateHandler(Hear);
    return SetAccessibilityActive(true);
}
inline void StopHearing() {
    SetAccessibilityActive(false);
    QAccessible::installUpdateHandler(nullptr);
    Heard().clear();
}

// For a test's init(): hearing starts, or the test is skipped, saying why.
#define DUTYLOOP_HEAR_OR_SKIP()                                                                    \
    do {                                                                                           \
        if (!dutyloop::testing::StartHearing())                                                    \
            QSKIP("no accessibility to switch on: the platform has none, or Qt's private headers " \
                  "(qt6-base-private-dev) were missing at the build");                             \
    } while (false)

// A day's cell as it is read: its date, and its duty ('L' work, 'K' off).
inline QString SpokenDay(QDate day, QChar duty, QDate today = QDate()) {
    return (day == today ? QStringLiteral("Today, ") : QString()) +
           QLocale(QLocale::English, QLocale::UnitedStates).toString(day, QLocale::LongFormat) +
           (duty == QLatin1Char('L') ? QStringLiteral(", work day") : QStringLiteral(", off duty"));
}

} // namespace dutyloop::testing
