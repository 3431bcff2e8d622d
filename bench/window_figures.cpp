#include "window_figures.h"

#include <QPushButton>

#include "calendar/qdate_bridge.h"
#include "platform/platform.h"
#include "settings_folder.h"
#include "ui/calendar/month_view.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

namespace dutyloop::bench {

namespace {

const QDate kToday(2026, 12, 10);
constexpr QSize kWindowSize(350, 640);
// One resize step goes from the window's size to this one or back.
constexpr QSize kResizedWindow(380, 700);

QLocale UsEnglish() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// What follows every event: the event loop delivers what it posted (layout requests, the
// window's own repaint), and the whole window is rendered into an image of its size.
void Redraw(QWidget& window, QImage& image) {
    QCoreApplication::processEvents();
    if (image.size() != window.size())
        image = QImage(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.render(&image);
}

// Keys go where a user's would: to the widget with the focus in the active window.
void Activate(QWidget& window) {
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("the window %s could not be made active", qPrintable(window.objectName()));
}

QWidget* KeyTarget(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == &window ? focus : &window;
}

void ResetForm(Windows& windows) {
    windows.form->resize(kWindowSize);
    QTest::mouseClick(windows.form->findChild<QPushButton*>(QStringLiteral("todayButton")),
                      Qt::LeftButton);
    QCoreApplication::processEvents();
}

void ResetCalendar(Windows& windows) {
    windows.calendar->resize(kWindowSize);
    windows.calendar->setSelectedDate(kToday);
    windows.calendar->setCurrentPage(kToday.year(), kToday.month());
    QCoreApplication::processEvents();
}

QWidget& WindowOf(bool baseline, Windows& windows) {
    return baseline ? static_cast<QWidget&>(*windows.calendar)
                    : static_cast<QWidget&>(*windows.form);
}

// The steps of a figure, each followed by a redraw.
Side SideOf(const QString& figure, bool baseline, Windows& windows, Action reset) {
    QWidget* window = &WindowOf(baseline, windows);
    QImage* image = baseline ? &windows.calendarImage : &windows.formImage;
    const Action step = StepOf(figure, baseline, windows);
    return {[window, image, step](int steps) {
                for (int i = 0; i < steps; ++i) {
                    step();
                    Redraw(*window, *image);
                }
            },
            std::move(reset)};
}

QString Expect(const QString& what, const QString& got, const QString& wanted) {
    return got == wanted ? QString() : QStringLiteral("%1: %2, not %3; ").arg(what, got, wanted);
}

} // namespace

std::unique_ptr<Windows> ShowWindows() {
    auto windows = std::make_unique<Windows>();
    windows->folder = FolderWithCrewSettings();
    windows->form =
        std::make_unique<MainWindow>(FixedPlatform(kToday, UsEnglish(), windows->folder->path()));
    windows->form->show();

    windows->calendar = std::make_unique<QCalendarWidget>();
    windows->calendar->setObjectName(QStringLiteral("QCalendarWidget"));
    windows->calendar->setLocale(UsEnglish());
    windows->calendar->setSelectedDate(kToday);
    windows->calendar->resize(kWindowSize);
    windows->calendar->show();
    windows->calendar->setFocus();

    if (!QTest::qWaitForWindowExposed(windows->form.get()) ||
        !QTest::qWaitForWindowExposed(windows->calendar.get()))
        qWarning("a window was not exposed; paints may be missing from the figures");
    ResetForm(*windows);
    ResetCalendar(*windows);
    return windows;
}

QString DescribeWindows(const Windows& windows) {
    const QSize form = windows.form->size();
    const QSize calendar = windows.calendar->size();
    return QStringLiteral("window %1 x %2, QCalendarWidget %3 x %4, on %5 (%6 style)")
        .arg(form.width())
        .arg(form.height())
        .arg(calendar.width())
        .arg(calendar.height())
        .arg(QGuiApplication::platformName(), QApplication::style()->name());
}

Action StepOf(const QString& figure, bool baseline, Windows& windows) {
    Windows* w = &windows;
    QWidget* window = &WindowOf(baseline, windows);
    if (figure == QLatin1String("keys"))
        return [window] { QTest::keyClick(KeyTarget(*window), Qt::Key_Right); };
    if (figure == QLatin1String("resize"))
        return [window] {
            window->resize(window->size() == kWindowSize ? kResizedWindow : kWindowSize);
        };
    if (baseline)
        return [w] { w->calendar->showNextMonth(); };
    // The arrow's own click, as showNextMonth() is QCalendarWidget's own step: a mouse press
    // would add the arrow drawn pressed at once, which the other side does not pay.
    QPushButton* next = windows.form->findChild<QPushButton*>(QStringLiteral("nextMonthButton"));
    return [next] { next->click(); };
}

SidePair NavigationSides(Windows& windows) {
    Windows* w = &windows;
    const QString figure = QStringLiteral("navigation");
    SidePair pair{SideOf(figure, false, windows, [w] { ResetForm(*w); }),
                  SideOf(figure, true, windows, [w] { ResetCalendar(*w); }),
                  {}};
    pair.verify = [w] {
        // Both have left December 2026 behind.
        const QDate shown = QDateFromDate(w->form->view().shownDate);
        QString problems;
        if (shown <= kToday)
            problems += QStringLiteral("the window stayed on %1; ").arg(shown.toString());
        if (w->calendar->yearShown() == kToday.year() &&
            w->calendar->monthShown() == kToday.month())
            problems += QStringLiteral("QCalendarWidget stayed on its month; ");
        return problems;
    };
    return pair;
}

SidePair KeySides(Windows& windows, int keysPerSample) {
    Windows* w = &windows;
    const QString figure = QStringLiteral("keys");
    SidePair pair{SideOf(figure, false, windows,
                         [w] {
                             Activate(*w->form);
                             ResetForm(*w);
                         }),
                  SideOf(figure, true, windows,
                         [w] {
                             Activate(*w->calendar);
                             ResetCalendar(*w);
                         }),
                  {}};
    pair.verify = [w, keysPerSample] {
        // Each sample starts on today and moves one day a key.
        const QString wanted = kToday.addDays(keysPerSample).toString(Qt::ISODate);
        return Expect(QStringLiteral("window's day"),
                      QDateFromDate(w->form->view().shownDate).toString(Qt::ISODate), wanted) +
               Expect(QStringLiteral("QCalendarWidget's day"),
                      w->calendar->selectedDate().toString(Qt::ISODate), wanted);
    };
    return pair;
}

SidePair ResizeSides(Windows& windows) {
    Windows* w = &windows;
    const QString figure = QStringLiteral("resize");
    SidePair pair{SideOf(figure, false, windows, [w] { ResetForm(*w); }),
                  SideOf(figure, true, windows, [w] { ResetCalendar(*w); }),
                  {}};
    pair.verify = [w] {
        // The window's own sizing followed: its grid fills the calendar band's width.
        const auto* view = w->form->findChild<dutyloop::MonthView*>();
        const int gridWidth = view->cellRect(6).right() + 1;
        const int pageWidth = w->form->findChild<QWidget*>(QStringLiteral("calendarPage"))->width();
        return qAbs(gridWidth - pageWidth) <= 1 ? QString()
                                                : QStringLiteral("grid %1 wide on a page %2 wide; ")
                                                      .arg(gridWidth)
                                                      .arg(pageWidth);
    };
    return pair;
}

} // namespace dutyloop::bench
