#include "ui/window/main_window.h"

#include "calendar/date_moves.h"
#include "platform/days_store.h"
#include "platform/file_services.h"
#include "platform/settings_location.h"
#include "platform/settings_model.h"
#include "schedule/crew.h"
#include "ui/about/about_page.h"
#include "ui/about/help_page.h"
#include "ui/calendar/calendar_navigation.h"
#include "ui/calendar/calendar_page.h"
#include "ui/calendar/day_editing.h"
#include "ui/parts/announcer.h"
#include "ui/publishing/publishing_flow.h"
#include "ui/settings/settings_page.h"
#include "ui/window/duty_files.h"
#include "ui/window/duty_reminders.h"
#include "ui/window/equal_tab_widget.h"
#include "ui/window/shown_holidays.h"
#include "ui/window/system_dialogs.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace dutyloop {

namespace {

constexpr QSize kOpeningOuterSize(350, 640);

} // namespace

MainWindow::MainWindow(Platform platform, QWidget* parent)
    : QWidget(parent), m_platform(std::move(platform)) {
    setObjectName(QStringLiteral("mainWindow"));
    // The mark tells of settings changed and not yet saved.
    setWindowTitle(QStringLiteral("Dutyloop®[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/dutyloop.svg")));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_tabs = new EqualTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    column->addWidget(m_tabs);
    m_calendarPage = new CalendarPage(m_tabs);
    m_locale = CaptureLocaleSettings(m_platform.locale);
    // The window's texts read the way it is laid out: from the right where Qt's translation of
    // the language or "-reverse" mirrors it.
    m_locale.rightToLeft = isRightToLeft();
    const QString settingsFile = FindSettingsFile(m_platform.configFolder);
    m_settings = new SettingsModel(settingsFile, m_locale.weeksStartOnMonday, this);
    m_days = new DaysStore(DaysFilePath(settingsFile), m_platform.writeFault, this);
    m_settingsPage = new SettingsPage(m_platform.locale, m_settings, m_tabs);
    m_helpPage = new HelpPage(m_tabs);
    m_aboutPage = new AboutPage(m_tabs);
    m_announcer = new Announcer(this);
    m_tabs->addTab(m_calendarPage, tr("Calendar"));
    m_tabs->addTab(m_settingsPage, tr("Settings"));
    m_tabs->addTab(m_helpPage, tr("Help"));
    m_tabs->addTab(m_aboutPage, tr("About"));
    m_tabs->setCurrentWidget(m_aboutPage);
    connectPages();
    start();
}

void MainWindow::connectPages() {
    connect(m_tabs, &EqualTabWidget::currentChanged, this, &MainWindow::applyTabChange);
    connect(m_settingsPage, &SettingsPage::backRequested, this, &MainWindow::showCalendar);
    connect(m_settingsPage, &SettingsPage::saveRequested, this, &MainWindow::save);
    connect(m_helpPage, &HelpPage::backRequested, this, &MainWindow::showCalendar);
    connect(m_aboutPage, &AboutPage::backRequested, this, &MainWindow::showCalendar);
    connect(m_aboutPage, &AboutPage::linkActivated, this, &MainWindow::openLink);
    // Qt's buttons move the focus on arrow keys; on the other tabs the arrows move the calendar.
    for (QAbstractButton* button : findChildren<QAbstractButton*>()) {
        if (!m_calendarPage->isAncestorOf(button))
            button->installEventFilter(this);
    }
}

// Closing as it goes, the window hands the keyboard away, and a field losing it may still take
// what was typed into it; the calendar's answer must not reach a window half taken down.
MainWindow::~MainWindow() {
    if (m_calendar)
        m_calendar->disconnect(this);
}

void MainWindow::start() {
    m_holidays = new ShownHolidays(this, m_platform, m_settings);
    connect(m_settingsPage, &SettingsPage::holidayFileRequested, m_holidays,
            &ShownHolidays::chooseFile);
    if (!m_days->unreadable().isEmpty())
        m_startupProblem = DaysFileUnreadableText(m_days->unreadable());
    m_settingsPage->setSaveEnabled(m_settings->canSave());
    m_dutyReminders = new DutyReminders(m_platform.now, m_platform.notify, m_platform.locale,
                                        m_platform.dayCheckInterval, this);
    m_dutyReminders->follow(m_settings, m_days);
    startPublishing();
    connect(m_settings, &SettingsModel::editedChanged, this, &MainWindow::applySettings);
    connect(m_settings, &SettingsModel::modifiedChanged, this, &QWidget::setWindowModified);
    connect(m_settings, &SettingsModel::canSaveChanged, m_settingsPage,
            &SettingsPage::setSaveEnabled);
    m_calendar = new CalendarNavigation(m_calendarPage,
                                        {m_settings, m_days, m_platform.today,
                                         [this] { return m_platform.now().timeZone(); }, m_locale,
                                         m_platform.showError},
                                        this);
    m_calendar->setHolidays(m_holidays->list());
    connect(m_holidays, &ShownHolidays::changed, this,
            [this] { m_calendar->setHolidays(m_holidays->list()); });
    connect(m_calendar, &CalendarNavigation::redrawn, this,
            [this](const MonthPage& page) { showLook(page.look, false); });
    startFiles();

    const QDate now = m_platform.today();
    auto* dayWatch = new QTimer(this);
    dayWatch->setInterval(m_platform.dayCheckInterval);
    connect(dayWatch, &QTimer::timeout, this, &MainWindow::followToday);
    dayWatch->start();
    m_calendarPage->setPickerDate(now);
    // The drop-down calendar keeps the week start the settings had at start-up.
    m_calendarPage->setDateFormat(m_platform.locale, m_locale.shortDateFormat);
    m_calendarPage->setPickerWeekStart(settings().weekStartsOnMonday ? Qt::Monday : Qt::Sunday);
    // The frame is not known before the window is shown; until then the inner size stands in.
    resize(kOpeningOuterSize);

    {
        // The calendar is set to today just below; the tab's change handling would first set
        // it to a month not yet chosen.
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentWidget(m_calendarPage);
    }
    m_calendar->start();
    m_calendarPage->focusMonthView(Qt::OtherFocusReason);
    // Without a crew the program opens where one is chosen, on the list itself, which a screen
    // reader reads with the entry it holds.
    if (settings().assignment == QLatin1String(kAgencyWideEntry)) {
        m_tabs->setCurrentWidget(m_settingsPage);
        m_settingsPage->focusAssignment();
    }
}

void MainWindow::startPublishing() {
    m_publishing = new PublishingFlow(this, m_platform, m_settings, m_days, m_announcer);
    connect(m_publishing, &PublishingFlow::stateShown, this,
            [this](const QString& text, PublishStateRow::Action action, bool said) {
                m_settingsPage->showPublishState(text, action, said);
                m_calendarPage->showPublishState(text);
            });
    connect(m_settingsPage, &SettingsPage::publishRequested, m_publishing,
            [this] { m_publishing->runPublishDialog(); });
    connect(m_settingsPage, &SettingsPage::publishRetryRequested, m_publishing,
            &PublishingFlow::retryNow);
    connect(m_settingsPage, &SettingsPage::publishPasswordRequested, m_publishing,
            [this] { m_publishing->runPublishDialog(true); });
}

void MainWindow::startFiles() {
    m_files =
        new DutyFiles(this, m_platform, {m_settings, m_days, m_holidays, m_calendar, m_locale},
                      m_settingsPage, m_announcer);
    connect(m_settingsPage, &SettingsPage::exportRequested, m_files, &DutyFiles::exportDutyDays);
    connect(m_settingsPage, &SettingsPage::printRequested, m_files, &DutyFiles::printDutyYear);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, m_files,
            &DutyFiles::printDutyYear);
}

const Settings& MainWindow::settings() const {
    return m_settings->edited();
}

const QString& MainWindow::settingsFilePath() const {
    return m_settings->path();
}

const CalendarView& MainWindow::view() const {
    return m_calendar->view();
}

const MonthPage& MainWindow::monthPage() const {
    return m_calendar->page();
}

void MainWindow::placeCalendar() {
    // The pages share one area; the calendar's is sized from it even while another tab shows.
    m_calendar->setLayout(
        LayoutForWindow(frameGeometry().height(), m_calendarPage->parentWidget()->size()));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A hidden window is sized when it is shown: before that its tab pages have no size of
    // their own yet, and bands made from them would be thrown away at once.
    if (isVisible())
        placeCalendar();
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitOuterSizeOnce();
    // Only now have the tab pages taken their size for the first time.
    placeCalendar();
    m_publishing->showStatus();
    // Said once, when the window is there for the message box to stand over.
    if (!m_startupProblem.isEmpty())
        QTimer::singleShot(0, this, [this, problem = std::exchange(m_startupProblem, {})] {
            m_platform.showError(this, problem);
        });
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager adds its frame after the window is shown and moves the window into it.
    fitOuterSizeOnce();
}

void MainWindow::fitOuterSizeOnce() {
    if (m_outerSizeFitted || !isVisible())
        return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull())
        return;
    m_outerSizeFitted = true;
    resize(kOpeningOuterSize - frame);
}

void MainWindow::showDay(QDate day) {
    m_calendar->showDay(day);
    showCalendar();
}

void MainWindow::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::followToday() {
    m_calendar->followToday();
    // The published months move on with the day.
    m_publishing->followToday();
}

void MainWindow::applySettings(const Settings& settings, const Settings& before) {
    // The other tabs take the new colours at once; the calendar takes the new settings when its
    // tab shows again.
    showLook(TabLookFor(settings.colors, m_calendar->page().fonts),
             settings.colors.background != before.colors.background);
}

void MainWindow::showLook(const TabLook& look, bool newBackground) {
    if (newBackground)
        m_settingsPage->showPickedBackground(look);
    else
        m_settingsPage->showLook(look);
    m_helpPage->showLook(look);
    m_aboutPage->showLook(look);
}

void MainWindow::applyTabChange() {
    m_calendar->applySettings();
    // On the Calendar tab the keys walk the days, and a screen reader reads the day chosen.
    if (m_tabs->currentWidget() == m_calendarPage)
        m_calendarPage->focusMonthView(Qt::OtherFocusReason);
}

void MainWindow::showCalendar() {
    m_tabs->setCurrentWidget(m_calendarPage);
}

// Settings changed and not saved are asked about, as in any desktop program: they would else be
// lost without a word.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_settings->isModified()) {
        QWidget::closeEvent(event);
        return;
    }
    const QMessageBox::StandardButton answer = AskToSaveBeforeClosing(this);
    if (answer == QMessageBox::Cancel || (answer == QMessageBox::Save && !saveSettings())) {
        event->ignore();
        return;
    }
    if (answer == QMessageBox::Discard)
        m_settings->discard();
    QWidget::closeEvent(event);
}

void MainWindow::openLink(const QUrl& link) {
    m_platform.openUrl(link);
}

bool MainWindow::saveSettings() {
    const QString problem = m_settings->save(m_platform.writeFault);
    if (!problem.isEmpty())
        m_platform.showError(this, problem);
    return problem.isEmpty();
}

void MainWindow::save() {
    m_settingsPage->clearFileMessage();
    if (!saveSettings())
        return;
    m_calendar->applySettings();
    showCalendar();
    m_announcer->announce(tr("Settings saved"));
}

// A key the focused control of another tab left unanswered goes to the calendar; the calendar's
// own widgets answer their keys themselves.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (m_calendar->handleKey(event->key(), false))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Qt's buttons of the other tabs move the focus on arrow keys; here the arrows move the
    // calendar's day from every tab.
    if (event->type() == QEvent::KeyPress && qobject_cast<QAbstractButton*>(watched) &&
        IsArrowKey(static_cast<QKeyEvent*>(event)->key())) {
        m_calendar->handleKey(static_cast<QKeyEvent*>(event)->key(), false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace dutyloop
