#include "window_fixture.h"

namespace dutyloop::testing {

void WriteSettingsFile(const WindowUnderTest& fixture, const QByteArray& text) {
    QDir().mkpath(fixture.settingsFolder());
    QFile file(fixture.settingsFolder() + QStringLiteral("/dlTornvale.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the settings file");
}

void StartWindow(WindowUnderTest& fixture, QDate today) {
    Platform platform = FixedPlatform(today, QLocale(QLocale::English, QLocale::UnitedStates),
                                      fixture.configFolder->path());
    platform.openUrl = [links = fixture.openedLinks](const QUrl& url) { links->append(url); };
    platform.showError = [errors = fixture.errors](QWidget*, const QString& message) {
        errors->append(message);
    };
    if (fixture.adjustPlatform)
        fixture.adjustPlatform(platform);
    fixture.window = std::make_unique<MainWindow>(std::move(platform));
    fixture.window->show();
    if (!QTest::qWaitForWindowExposed(fixture.window.get()))
        qWarning("window not exposed");
}

WindowUnderTest ShownWindow(QDate today, const QByteArray& settings) {
    WindowUnderTest fixture;
    if (!settings.isNull())
        WriteSettingsFile(fixture, settings);
    StartWindow(fixture, today);
    return fixture;
}

Controls ControlsOf(const MainWindow& window) {
    Controls c;
    c.tabs = window.findChild<EqualTabWidget*>();
    c.calendarPage = Find<CalendarPage>(&window, "calendarPage");
    c.settingsPage = Find<SettingsPage>(&window, "settingsPage");
    c.helpPage = Find<HelpPage>(&window, "helpPage");
    c.aboutPage = Find<AboutPage>(&window, "aboutPage");

    c.titlePanel = Find<Panel>(c.calendarPage, "titlePanel");
    c.title = Find<QLabel>(c.calendarPage, "titleLabel");
    c.monthPanel = Find<Panel>(c.calendarPage, "monthPanel");
    c.footerPanel = Find<Panel>(c.calendarPage, "footerPanel");
    c.monthLabel = Find<QLabel>(c.calendarPage, "monthLabel");
    c.previousMonth = Find<QPushButton>(c.calendarPage, "previousMonthButton");
    c.nextMonth = Find<QPushButton>(c.calendarPage, "nextMonthButton");
    c.monthView = Find<MonthView>(c.calendarPage, "monthView");
    c.status = Find<QLabel>(c.calendarPage, "statusLabel");
    c.today = Find<QPushButton>(c.calendarPage, "todayButton");
    c.dateField = Find<QDateEdit>(c.calendarPage, "dateField");

    c.settingsBack = Find<QToolButton>(c.settingsPage, "backButton");
    c.save = Find<QPushButton>(c.settingsPage, "saveButton");
    c.settingsTitle = Find<QLabel>(c.settingsPage, "titleLabel");
    c.settingsToolBar = Find<Panel>(c.settingsPage, "titlePanel");
    c.settingsBackground = Find<Panel>(c.settingsPage, "backgroundPanel");
    c.colorPicker = Find<ColorPicker>(c.settingsPage, "colorPicker");
    c.assignmentLabel = Find<QLabel>(c.settingsPage, "assignmentLabel");
    c.assignment = Find<ClosingComboBox>(c.settingsPage, "assignmentBox");
    c.weekStartLabel = Find<QLabel>(c.settingsPage, "weekStartLabel");
    c.weekStart = Find<ToggleSwitch>(c.settingsPage, "weekStartSwitch");
    c.workColor = Find<QPushButton>(c.settingsPage, "workColorButton");
    c.offColor = Find<QPushButton>(c.settingsPage, "offColorButton");
    c.leadTrailColor = Find<QPushButton>(c.settingsPage, "leadTrailColorButton");
    c.backgroundColor = Find<QPushButton>(c.settingsPage, "backgroundColorButton");
    c.exportButton = Find<QPushButton>(c.settingsPage, "exportButton");
    c.printButton = Find<QPushButton>(c.settingsPage, "printButton");

    c.helpBack = Find<QToolButton>(c.helpPage, "backButton");
    c.helpTitle = Find<QLabel>(c.helpPage, "titleLabel");
    c.aboutBack = Find<QToolButton>(c.aboutPage, "backButton");
    c.aboutTitle = Find<QLabel>(c.aboutPage, "titleLabel");
    c.aboutText = Find<QLabel>(c.aboutPage, "aboutText");
    c.supportPageLink = Find<QToolButton>(c.aboutPage, "supportPageLink");
    c.supportMailLink = Find<QToolButton>(c.aboutPage, "supportMailLink");
    return c;
}

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void ClickCell(MainWindow& window, int cell) {
    MonthView* view = ControlsOf(window).monthView;
    QTest::mouseClick(view, Qt::LeftButton, {}, view->cellRect(cell).center());
}

bool CellHasFocus(MainWindow& window, int cell) {
    MonthView* view = ControlsOf(window).monthView;
    return view->hasFocus() && view->selectedCell() == cell;
}

void OpenTab(MainWindow& window, QWidget* page) {
    QTabBar* bar = ControlsOf(window).tabs->tabBar();
    const int index = ControlsOf(window).tabs->indexOf(page);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void WaitForList(QComboBox* box) {
    QTRY_VERIFY(box->view()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(box->view()->window()));
}

void OpenList(QComboBox* box) {
    Click(box);
    WaitForList(box);
}

void ClickListEntry(QComboBox* box, int row) {
    QAbstractItemView* list = box->view();
    const QModelIndex entry = list->model()->index(row, box->modelColumn());
    list->scrollTo(entry);
    const QPoint at = list->visualRect(entry).center();
    QTest::mouseMove(list->viewport(), at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    // Qt takes a release close to where a click opened the list, and soon after, as the end of
    // that click; a hand that stays put clicks again a moment later. On a busy machine "soon"
    // can last past the first try.
    for (int tries = 0; list->isVisible() && tries < 5; ++tries) {
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    QTRY_VERIFY(!list->isVisible());
}

void TypeIntoList(QComboBox* box, const QString& text) {
    QTest::keyClicks(box->view(), text);
}

void ChooseAssignment(MainWindow& window, const QString& entry) {
    const Controls w = ControlsOf(window);
    OpenTab(window, w.settingsPage);
    OpenList(w.assignment);
    ClickListEntry(w.assignment, w.assignment->findText(entry));
    Click(w.settingsBack);
}

void SetWeekStartSwitch(MainWindow& window, bool on) {
    ToggleSwitch* weekStart = ControlsOf(window).weekStart;
    if (weekStart->isChecked() != on)
        Click(weekStart);
}

QCalendarWidget* OpenDatePicker(MainWindow& window) {
    QDateEdit* field = ControlsOf(window).dateField;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 5, field->height() / 2));
    QCalendarWidget* calendar = field->calendarWidget();
    if (!QTest::qWaitForWindowExposed(calendar->window()))
        qWarning("the date picker did not open");
    return calendar;
}

void PickDate(MainWindow& window, QDate date) {
    QCalendarWidget* calendar = OpenDatePicker(window);
    calendar->setSelectedDate(date);
    QWidget* days = calendar->findChild<QTableView*>();
    QTest::keyClick(days ? days : calendar, Qt::Key_Return);
    QTRY_VERIFY(!calendar->window()->isVisible());
}

bool TabTo(QWidget* target) {
    for (int press = 0; press < 60 && !target->hasFocus(); ++press) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : target->window(), Qt::Key_Tab);
    }
    return target->hasFocus();
}

QWidget* KeyTarget(MainWindow& window) {
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == &window ? focus : &window;
}

QDate D(int year, int month, int day) {
    return QDate(year, month, day);
}

void PickColour(MainWindow& window, QPushButton* button, QRgb colour) {
    OpenTab(window, ControlsOf(window).settingsPage);
    ColorPicker* picker = ControlsOf(window).colorPicker;
    Click(button);
    WaitForList(picker);
    ClickListEntry(picker, picker->findData(QVariant::fromValue<uint>(colour)));
}

float PixelSizeOf(const QWidget* widget) {
    const QFont font = widget->font();
    if (font.pointSizeF() > 0)
        return static_cast<float>(font.pointSizeF() * widget->logicalDpiY() / 72.0);
    return static_cast<float>(font.pixelSize());
}

QRgb ButtonTextColorOf(QAbstractButton* button) {
    button->ensurePolished();
    return button->palette().color(QPalette::ButtonText).rgba();
}
} // namespace dutyloop::testing
