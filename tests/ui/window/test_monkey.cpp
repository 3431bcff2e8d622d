// A seeded random user on the real window: keys, clicks, tabs, colour and assignment picks,
// the week-start switch, resizes and saves. After every action the calendar must still be
// consistent, and at the end every setting must survive a restart.
//
// The seed is printed; DUTYLOOP_MONKEY_SEED=<number> replays a run.

#include "window_fixture.h"

#include "schedule/rotation.h"
#include "settings/named_colors.h"
#include "ui/settings/toggle_switch.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QToolButton>
#include <cmath>
#include <deque>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

constexpr quint32 kDefaultSeed = 20240917;
constexpr int kActions = 5000;

quint32 Seed() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("DUTYLOOP_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

// What the monkey itself has set, starting from the defaults of a window without a file.
struct Picked {
    bool mondays = false;
    QRgb work = 0xFF0000FF;       // Blue
    QRgb off = 0xFF696969;        // Dimgray
    QRgb leadTrail = 0xFFC0C0C0;  // Silver
    QRgb background = 0xFFFFFFFF; // White
};

class Monkey {
public:
    Monkey(WindowUnderTest& window, quint32 seed) : m_window(window), m_random(seed) {}

    const Picked& picked() const { return m_picked; }

    // Does one random action and says which.
    QString Act() {
        const QString action = RandomAction();
        ReturnToTheWindow();
        return action;
    }

    // Empty while the window is consistent; else what is wrong.
    QString Broken() const {
        const MainWindow& window = *m_window;
        const Controls w = ControlsOf(window);
        const CalendarView& view = window.view();

        for (int i = 1; i < kCellCount; ++i) {
            if (view.cellDates[static_cast<std::size_t>(i)] != view.cellDates[0].addDays(i))
                return QStringLiteral("the grid's days are not consecutive at cell %1").arg(i);
        }
        const QDate shown = view.shownDate;
        const auto cell = static_cast<int>(view.cellDates[0].daysTo(view.shownDate));
        if (cell < 0 || cell > kLastClickableCell)
            return QStringLiteral("ShownDate %1 is in cell %2")
                .arg(shown.toString(Qt::ISODate))
                .arg(cell);
        // The grid's first row holds the 1st of ShownDate's month.
        const int firstOfMonth = cell - (shown.day() - 1);
        if (firstOfMonth < 0 || firstOfMonth > 6)
            return QStringLiteral("the grid of ShownDate %1 starts its month in cell %2")
                .arg(shown.toString(Qt::ISODate))
                .arg(firstOfMonth);

        if (w.weekStart->isChecked() != m_picked.mondays)
            return QStringLiteral("the week-start switch changed by itself");
        const ColorSettings& colours = window.settings().colors;
        if (colours.work != m_picked.work || colours.off != m_picked.off ||
            colours.leadTrail != m_picked.leadTrail || colours.background != m_picked.background)
            return QStringLiteral("a colour setting is not the one picked");

        const DutyCode duty = DutyCodeFor(view.shownDate, view.anchorDate);
        const QString date =
            QStringLiteral("%1/%2/%3").arg(shown.month()).arg(shown.day()).arg(shown.year());
        const QString status = duty == DutyCode::Work  ? date + QStringLiteral("\nWork")
                               : duty == DutyCode::Off ? date + QStringLiteral("\nOff-Duty")
                                                       : QString();
        // A holiday of a region the monkey chose adds its name on a third line, which the
        // holiday tests check; here the date and the duty count.
        const QString shownStatus = window.settings().holidayRegion == HolidayRegion::None
                                        ? w.status->text()
                                        : w.status->text().section(u'\n', 0, 1);
        if (shownStatus != status)
            return QStringLiteral("the status line reads \"%1\", not \"%2\"")
                .arg(w.status->text(), status);

        const FontSizes& fonts = window.monthPage().fonts;
        for (const float size : {fonts.title, fonts.month, fonts.weekday, fonts.day}) {
            if (!std::isfinite(size) || size < 0.0f)
                return QStringLiteral("a font size is %1").arg(size);
        }

        // What is drawn on the calendar is only seen, and only kept current, while it is shown.
        if (w.tabs->currentWidget() != w.calendarPage)
            return {};
        static const QStringList kDays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        const int first = m_picked.mondays ? 1 : 0;
        for (int column = 0; column < 7; ++column) {
            const QString expected = kDays[(first + column) % 7];
            if (m_window->monthPage().weekdayLabels[static_cast<std::size_t>(column)] != expected)
                return QStringLiteral("weekday label %1 reads %2, not %3")
                    .arg(column)
                    .arg(m_window->monthPage().weekdayLabels[static_cast<std::size_t>(column)],
                         expected);
        }
        if (view.cellDates[0].dayOfWeek() != (m_picked.mondays ? 1 : 7))
            return QStringLiteral("the grid does not start on the labelled weekday");

        // The selected day is filled with its duty colour, every other cell with the background;
        // when the two colours are the same, no cell stands out at all.
        const QRgb dutyColour = duty == DutyCode::Work  ? m_picked.work
                                : duty == DutyCode::Off ? m_picked.off
                                                        : m_picked.leadTrail;
        for (int i = 0; i < kCellCount; ++i) {
            const QRgb fill = m_window->monthPage().cells[static_cast<std::size_t>(i)].fill;
            const QRgb expected = i == cell ? dutyColour : m_picked.background;
            if (fill != expected)
                return QStringLiteral("cell %1 is filled with %2, not %3")
                    .arg(i)
                    .arg(ColorToName(fill), ColorToName(expected));
        }
        return {};
    }

private:
    Controls widgets() const { return ControlsOf(*m_window); }

    QString RandomAction() {
        const int roll = m_random.bounded(100);

        if (roll < 34)
            return PressKey();
        if (roll < 50)
            return ClickCell();
        if (roll < 60)
            return ClickMonthButton();
        if (roll < 67)
            return ChangeTab();
        if (roll < 71)
            return ClickBack();
        if (roll < 77)
            return PickAColour();
        if (roll < 83)
            return ChooseAnAssignment();
        if (roll < 88)
            return FlipWeekStart();
        if (roll < 94)
            return Resize();
        if (roll < 97)
            return PickADate();
        return Save();
    }

    // A closed drop-down gives the activation back to the window, as a window manager does;
    // the offscreen platform leaves it with the closed list, and keys would then reach nothing.
    void ReturnToTheWindow() {
        QCoreApplication::processEvents();
        if (QApplication::activeWindow() != m_window.get()) {
            m_window->activateWindow();
            if (!QTest::qWaitForWindowActive(m_window.get()))
                qWarning("the window could not be made active again");
        }
    }

    // The Settings tab's controls are only within reach while it is shown.
    void OpenSettings() { OpenTab(*m_window, widgets().settingsPage); }

    void OpenCalendar() {
        const Controls w = widgets();
        QWidget* tab = w.tabs->currentWidget();
        QToolButton* back = tab == w.settingsPage ? w.settingsBack
                            : tab == w.helpPage   ? w.helpBack
                            : tab == w.aboutPage  ? w.aboutBack
                                                  : nullptr;
        if (back)
            QTest::mouseClick(back, Qt::LeftButton);
    }

    QString PressKey() {
        static const Qt::Key kKeys[] = {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
                                        Qt::Key_End,    Qt::Key_Left,     Qt::Key_Right,
                                        Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Tab};
        const int pick = m_random.bounded(static_cast<int>(std::size(kKeys)) + 2);
        const Qt::Key key = pick < static_cast<int>(std::size(kKeys))
                                ? kKeys[pick]
                                : static_cast<Qt::Key>(Qt::Key_A + m_random.bounded(26));
        QWidget* target = KeyTarget(*m_window);
        QTest::keyClick(target, key);
        return QStringLiteral("key %1 to %2")
            .arg(QKeySequence(key).toString(), target->objectName());
    }

    // Through the window, as a pointer would: what lies on top of the cell takes the click.
    QString ClickCell() {
        OpenCalendar();
        const int cell = m_random.bounded(kCellCount);
        MonthView* view = widgets().monthView;
        const QPoint at = view->mapTo(m_window.get(), view->cellRect(cell).center());
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, at);
        return QStringLiteral("click on cell %1").arg(cell);
    }

    // A held button repeats its click.
    QString ClickMonthButton() {
        OpenCalendar();
        const bool next = m_random.bounded(2) == 1;
        const int clicks = 1 + m_random.bounded(6);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(next ? widgets().nextMonth : widgets().previousMonth, Qt::LeftButton);
        return QStringLiteral("%1 x %2").arg(next ? "bNext" : "bPrev").arg(clicks);
    }

    QString ChangeTab() {
        const int tab = m_random.bounded(widgets().tabs->count());
        OpenTab(*m_window, widgets().tabs->widget(tab));
        return QStringLiteral("tab %1").arg(tab);
    }

    QString ClickBack() {
        const Controls w = widgets();
        QToolButton* backs[] = {w.settingsBack, w.helpBack, w.aboutBack};
        QToolButton* back = backs[m_random.bounded(3)];
        QTest::mouseClick(back, Qt::LeftButton);
        return back->objectName();
    }

    QString PickAColour() {
        OpenSettings();
        const Controls w = widgets();
        struct Button {
            QPushButton* button;
            QRgb Picked::*colour;
        };
        const Button buttons[] = {{w.workColor, &Picked::work},
                                  {w.offColor, &Picked::off},
                                  {w.leadTrailColor, &Picked::leadTrail},
                                  {w.backgroundColor, &Picked::background}};
        const Button& button = buttons[m_random.bounded(4)];
        const auto list = ColorList();
        const QRgb colour =
            list[static_cast<std::size_t>(m_random.bounded(static_cast<int>(list.size())))].color;
        PickColour(*m_window, button.button, colour);
        // Null is no colour: picking it leaves the setting as it was.
        if (colour != 0)
            m_picked.*button.colour = colour;
        return QStringLiteral("colour %1 on %2")
            .arg(ColorToName(colour), button.button->objectName());
    }

    QString ChooseAnAssignment() {
        OpenSettings();
        QComboBox* list = widgets().assignment;
        const int index = m_random.bounded(-1, list->count());
        OpenList(list);
        if (index < 0) {
            QTest::keyClick(list->view(), Qt::Key_Escape);
            if (!QTest::qWaitFor([list] { return !list->view()->isVisible(); }, 1000))
                QTest::qFail("the assignment list did not close on Escape", __FILE__, __LINE__);
        } else {
            ClickListEntry(list, index);
        }
        return index < 0 ? QStringLiteral("assignment list closed without a choice")
                         : QStringLiteral("assignment %1").arg(list->itemText(index));
    }

    QString FlipWeekStart() {
        OpenSettings();
        QTest::mouseClick(widgets().weekStart, Qt::LeftButton);
        m_picked.mondays = !m_picked.mondays;
        return QStringLiteral("week-start switch");
    }

    QString Resize() {
        const QSize size(200 + m_random.bounded(1801), 300 + m_random.bounded(1301));
        m_window->resize(size);
        QCoreApplication::processEvents();
        return QStringLiteral("resize to %1x%2").arg(size.width()).arg(size.height());
    }

    QString PickADate() {
        // Any day the date field offers, 2014-03-31 to 2100-12-31.
        const QDate first(2014, 3, 31);
        const auto span = static_cast<int>(first.daysTo(QDate(2100, 12, 31)));
        const QDate date = first.addDays(m_random.bounded(span + 1));
        PickDate(*m_window, date);
        return QStringLiteral("date %1").arg(date.toString(Qt::ISODate));
    }

    QString Save() {
        OpenSettings();
        QTest::mouseClick(widgets().save, Qt::LeftButton);
        return QStringLiteral("save");
    }

    WindowUnderTest& m_window;
    QRandomGenerator m_random;
    Picked m_picked;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUserKeepsTheCalendarConsistent() {
        const quint32 seed = Seed();
        qInfo("monkey seed %u (replay with DUTYLOOP_MONKEY_SEED=%u)", seed, seed);
        auto window = ShownWindow();
        Monkey monkey(window, seed);
        std::deque<QString> recent;
        for (int action = 1; action <= kActions; ++action) {
            recent.push_back(monkey.Act());
            if (recent.size() > 8)
                recent.pop_front();
            QString broken = monkey.Broken();
            if (broken.isEmpty() && !window.errors->isEmpty())
                broken = QStringLiteral("an error was shown: ") + window.errors->join(u' ');
            if (!broken.isEmpty()) {
                QStringList trail(recent.begin(), recent.end());
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\n   after: %4")
                                     .arg(seed)
                                     .arg(action)
                                     .arg(broken, trail.join(QStringLiteral(", ")))));
            }
        }

        // Whatever the monkey did, a saved window comes back with the same settings.
        const QString assignment = window->settings().assignment;
        OpenTab(*window, ControlsOf(*window).settingsPage);
        Click(ControlsOf(*window).save);
        QVERIFY(window.errors->isEmpty());
        window.window.reset();
        StartWindow(window);
        QCOMPARE(window->settings().assignment, assignment);
        QCOMPARE(ControlsOf(*window).weekStart->isChecked(), monkey.picked().mondays);
        QCOMPARE(window->settings().colors.work, monkey.picked().work);
        QCOMPARE(window->settings().colors.off, monkey.picked().off);
        QCOMPARE(window->settings().colors.leadTrail, monkey.picked().leadTrail);
        QCOMPARE(window->settings().colors.background, monkey.picked().background);
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
