#include "ui/settings/settings_page.h"

#include "calendar/cell_colors.h"
#include "calendar/isolated_runs.h"
#include "calendar/locale_settings.h"
#include "schedule/crew.h"
#include "settings/named_colors.h"
#include "ui/parts/announcer.h"
#include "ui/parts/font_size.h"
#include "ui/parts/left_to_right_entries.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/color_picker.h"
#include "ui/settings/duty_hours_rows.h"
#include "ui/settings/file_buttons.h"
#include "ui/settings/holidays_row.h"
#include "ui/settings/segmented_row.h"
#include "ui/settings/settings_rows.h"
#include "ui/settings/toggle_switch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

namespace {

QRgb& ColorOf(ColorSettings& colours, ColorSetting setting) {
    switch (setting) {
    case ColorSetting::Work:
        return colours.work;
    case ColorSetting::Off:
        return colours.off;
    case ColorSetting::LeadTrail:
        return colours.leadTrail;
    case ColorSetting::Background:
        break;
    }
    return colours.background;
}

// The property that holds what a colour button is for, before its colour is added.
constexpr char kColorRole[] = "dutyloopColorRole";

// A colour button is named for what it colours and the colour it holds: a screen reader
// cannot see the caption's colour.
void NameColorButton(QPushButton* button, QRgb color) {
    button->setAccessibleName(
        SettingsPage::tr("%1: %2", "what a colour is for, then the colour")
            .arg(button->property(kColorRole).toString(), ColorToName(color)));
}

// The form's width where its texts need no more; a longer label in another language widens it.
constexpr int kFormWidth = 257;

} // namespace

SettingsPage::SettingsPage(const QLocale& locale, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("settingsPage"));
    m_announcer = new Announcer(this);
    buildToolBar(locale);
    buildControls(locale);
}

void SettingsPage::buildToolBar(const QLocale& locale) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_background = Named(new Panel(this), "backgroundPanel");
    const TitleBar bar = MakeTitleBar(this);
    m_toolBarPanel = bar.panel;
    m_title = bar.title;
    column->addWidget(bar.bar);
    column->addWidget(m_background, 1);

    m_back = BackButton(bar.controls, false);
    m_save = BoldButton(bar.controls, "saveButton", tr("Save"));
    PlaceAtEnds(bar.controls, m_back, 55, m_save, 86);
    m_colorPicker = Named(new ColorPicker(locale, bar.controls), "colorPicker");
    KeepOwnFontSize(m_colorPicker);
    m_colorPicker->setGeometry(96, 8, 193, 30);
    m_colorPicker->setAccessibleName(tr("Colour"));
    m_colorPicker->hide();

    connect(m_back, &QToolButton::clicked, this, &SettingsPage::backRequested);
    connect(m_save, &QPushButton::clicked, this, &SettingsPage::saveRequested);
    // Qt closes the list before it selects the entry chosen: the choice is applied when Qt
    // reports it, by mouse or by keys, and a list closed without one changes nothing.
    connect(m_colorPicker, &ClosingComboBox::activated, this, &SettingsPage::applyPickedColor);
    connect(m_colorPicker, &ClosingComboBox::listClosed, m_colorPicker, &QWidget::hide);
}

void SettingsPage::buildControls(const QLocale& locale) {
    // The form keeps its width in a wider window; it stands at the leading edge, so a
    // right-to-left layout mirrors it whole.
    auto* form = Named(new QWidget(m_background), "settingsForm");
    // Nor does it hold the window wider or taller than the other tabs need: in a small window
    // its far end is cut, as a page is.
    m_background->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* across = new QHBoxLayout(m_background);
    across->setContentsMargins(16, 20, 16, 0);
    across->addWidget(form);
    across->addStretch(1);
    auto* rows = new QVBoxLayout(form);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    // The form's width where there is room; a narrow window may still squeeze it.
    rows->addSpacerItem(new QSpacerItem(kFormWidth, 0, QSizePolicy::Preferred, QSizePolicy::Fixed));

    m_assignmentLabel = Named(new QLabel(tr("Assignment"), form), "assignmentLabel");
    m_assignment = Named(new ClosingComboBox(form), "assignmentBox");
    m_assignment->addItems(AssignmentEntries());
    ShowEntriesLeftToRight(m_assignment);
    m_assignment->setCurrentIndex(-1);
    m_assignment->setMaxVisibleItems(12);
    m_assignment->setFixedSize(81, 30);
    // Named by its label, as the lists of the Export and Print dialogs are.
    m_assignmentLabel->setBuddy(m_assignment);
    ReadOutChoice(m_assignment, m_announcer);
    rows->addLayout(LabelledRow(m_assignmentLabel, m_assignment, 0));
    rows->addSpacing(26);
    connect(m_assignment, &ClosingComboBox::listClosed, this, &SettingsPage::applyAssignment);
    // A choice made with the keys on the closed list counts as much as one from its drop-down.
    connect(m_assignment, &ClosingComboBox::activated, this, &SettingsPage::applyAssignment);

    m_weekStartLabel = Named(new QLabel(tr("Start Monday"), form), "weekStartLabel");
    m_weekStart = Named(new ToggleSwitch(form), "weekStartSwitch");
    m_weekStart->setFixedSize(55, 25);
    m_weekStart->setAccessibleName(tr("Start weeks on Monday"));
    // The switch's knob travel ends where the list's arrow does.
    rows->addLayout(LabelledRow(m_weekStartLabel, m_weekStart, 10));
    rows->addSpacing(26);

    m_holidays = new HolidaysRow(form, rows, m_announcer);
    connect(m_holidays, &HolidaysRow::regionChosen, this, [this](HolidayRegion region) {
        m_edited.holidayRegion = region;
        m_edited.holidayFile.clear();
        showHolidayChoice();
        emit settingsEdited(m_edited);
    });
    connect(m_holidays, &HolidaysRow::fileRequested, this, &SettingsPage::holidayFileRequested);
    rows->addSpacing(26);
    // The chosen crew's duty hours and the reminder of duty.
    m_dutyHours = new DutyHoursRows(locale, form, rows, m_announcer);
    connect(m_dutyHours, &DutyHoursRows::dutyHoursEdited, this, &SettingsPage::applyDutyHours);
    connect(m_dutyHours, &DutyHoursRows::reminderEdited, this, [this](const Reminder& reminder) {
        m_edited.reminder = reminder;
        emit settingsEdited(m_edited);
    });
    rows->addSpacing(39);
    connect(m_weekStart, &ToggleSwitch::toggled, this, [this](bool on) {
        m_edited.weekStartsOnMonday = on;
        emit settingsEdited(m_edited);
    });
    buildColorButtons(form, rows);
}

// The hours of the crew chosen in the list; the agency-wide entry has none to set.
void SettingsPage::showDutyHours() {
    const QString crew = LeftToRightRun(m_assignment->currentText(), isRightToLeft());
    m_dutyHours->showDutyHours(DutyHoursOf(m_edited), m_assignment->currentIndex() > 0, crew);
}

void SettingsPage::applyDutyHours(QTime start, int hours) {
    if (hours == 0)
        m_edited.dutyHours.erase(m_edited.assignment);
    else
        m_edited.dutyHours[m_edited.assignment] = {start, start.addSecs(hours * 3600)};
    emit settingsEdited(m_edited);
}

void SettingsPage::buildColorButtons(QWidget* form, QVBoxLayout* rows) {
    struct ColorButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        ColorSetting setting;
        const char* accessibleName;
    };
    const ColorButton buttons[] = {
        {&m_workColor, "workColorButton", QT_TR_NOOP("Work"), ColorSetting::Work,
         QT_TR_NOOP("Work day colour")},
        {&m_offColor, "offColorButton", QT_TR_NOOP("Off"), ColorSetting::Off,
         QT_TR_NOOP("Off-duty colour")},
        {&m_leadTrailColor, "leadTrailColorButton", QT_TR_NOOP("Ld/Tr"), ColorSetting::LeadTrail,
         QT_TR_NOOP("Leading and trailing days colour")},
        {&m_backgroundColor, "backgroundColorButton", QT_TR_NOOP("BkGr"), ColorSetting::Background,
         QT_TR_NOOP("Background colour")},
    };
    auto* colorRow = new SegmentedRow;
    int rowWidth = 0;
    for (const ColorButton& made : buttons) {
        QPushButton* button = BoldButton(form, made.name, tr(made.caption));
        // 65 wide, or wider for a longer caption in another language (German "Hintergrund").
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        button->setFixedSize(
            std::max(65, button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin), 29);
        // What the button is for; the colour it holds is added to it as it changes.
        button->setProperty(kColorRole, tr(made.accessibleName));
        connect(button, &QPushButton::clicked, this,
                [this, setting = made.setting] { openColorPicker(setting); });
        colorRow->addWidget(button);
        rowWidth += button->width() - (rowWidth > 0 ? 1 : 0);
        *made.button = button;
    }
    rows->addLayout(colorRow);
    rows->addSpacing(19);

    m_fileButtons = new FileButtons(form, rows, rowWidth);
    connect(m_fileButtons, &FileButtons::exportRequested, this, &SettingsPage::exportRequested);
    connect(m_fileButtons, &FileButtons::printRequested, this, &SettingsPage::printRequested);
    connect(m_fileButtons, &FileButtons::publishRequested, this, &SettingsPage::publishRequested);
    connect(m_fileButtons, &FileButtons::publishRetryRequested, this,
            &SettingsPage::publishRetryRequested);
    connect(m_fileButtons, &FileButtons::publishPasswordRequested, this,
            &SettingsPage::publishPasswordRequested);
}

void SettingsPage::showExportMessage(const QString& message) {
    m_fileButtons->showExportMessage(message);
}

void SettingsPage::showPrintMessage(const QString& message) {
    m_fileButtons->showPrintMessage(message);
}

void SettingsPage::clearFileMessage() {
    m_fileButtons->clearFileMessage();
}

void SettingsPage::showPublishState(const QString& text, PublishStateRow::Action action,
                                    bool said) {
    m_fileButtons->showPublishState(text, action, said);
}

void SettingsPage::showSettings(const Settings& settings) {
    m_edited = settings;
    const QSignalBlocker quiet(m_weekStart);
    m_assignment->setCurrentIndex(AssignmentEntryOf(settings.assignment));
    m_weekStart->setChecked(settings.weekStartsOnMonday);
    showHolidayChoice();
    showDutyHours();
    m_dutyHours->showReminder(settings.reminder);
    const ColorSettings& colours = settings.colors;
    // Each of the first three shows its colour in its own caption, even the background's.
    SetTextColor(m_workColor, colours.work);
    SetTextColor(m_offColor, colours.off);
    SetTextColor(m_leadTrailColor, colours.leadTrail);
    nameColorButtons();
}

void SettingsPage::nameColorButtons() {
    const ColorSettings& colours = m_edited.colors;
    NameColorButton(m_workColor, colours.work);
    NameColorButton(m_offColor, colours.off);
    NameColorButton(m_leadTrailColor, colours.leadTrail);
    NameColorButton(m_backgroundColor, colours.background);
}

void SettingsPage::focusAssignment() {
    m_assignment->setFocus(Qt::OtherFocusReason);
}

void SettingsPage::showLook(const TabLook& look) {
    m_background->setColors(look.background, look.border, 0.0f);
    m_toolBarPanel->setColors(look.background, look.border, kThinBorder);
    SetFontPixelSize(m_title, look.titleFontSize);
    // The background's caption and the words under the file buttons stand on the background and
    // are read on any.
    for (QWidget* widget : std::initializer_list<QWidget*>{m_title, m_backgroundColor})
        SetTextColor(widget, look.headerTextColor);
    m_fileButtons->setTextColor(look.headerTextColor);
    const QRgb header = look.headerTextColor;
    SetStateTextColors(m_back, {header, header, colors::Blue, header});
    SetStateTextColors(m_save, {colors::Black, colors::Black, colors::Blue, colors::Black});
}

void SettingsPage::showPickedBackground(const TabLook& look) {
    showLook(look);
    // The labels keep the platform's text colour until the user picks a background.
    SetTextColor(m_assignmentLabel, look.headerTextColor);
    SetTextColor(m_weekStartLabel, look.headerTextColor);
    SetTextColor(m_holidays->label(), look.headerTextColor);
    for (QLabel* label : m_dutyHours->labels())
        SetTextColor(label, look.headerTextColor);
}

void SettingsPage::showHolidayChoice() {
    m_holidays->showChoice(m_edited.holidayRegion, m_edited.holidayFile);
}

void SettingsPage::applyAssignment() {
    if (m_assignment->currentIndex() < 0)
        m_assignment->setCurrentIndex(0);
    m_edited.assignment = m_assignment->currentText();
    showDutyHours();
    emit settingsEdited(m_edited);
}

void SettingsPage::openColorPicker(ColorSetting setting) {
    m_pickingFor = setting;
    m_colorPicker->setColor(ColorOf(m_edited.colors, setting));
    m_colorPicker->show();
    m_colorPicker->showPopup();
}

void SettingsPage::applyPickedColor() {
    const QRgb picked = m_colorPicker->color();
    // Null is no colour: the picker never makes a setting fully transparent.
    if (picked == colors::Null)
        return;
    ColorOf(m_edited.colors, m_pickingFor) = picked;
    // The background's caption, with the rest of the tab, follows the look the window hands back.
    if (m_pickingFor != ColorSetting::Background) {
        QPushButton* button = m_pickingFor == ColorSetting::Work  ? m_workColor
                              : m_pickingFor == ColorSetting::Off ? m_offColor
                                                                  : m_leadTrailColor;
        // A caption in the background's own colour could not be read; the other captions keep
        // theirs, even one that a new background now matches.
        SetTextColor(button, CaptionColorFor(picked, m_edited.colors.background));
    }
    nameColorButtons();
    emit settingsEdited(m_edited);
}

} // namespace dutyloop
