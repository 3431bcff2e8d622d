#include "ui/settings/settings_page.h"

#include "calendar/cell_colors.h"
#include "calendar/holiday_texts.h"
#include "calendar/isolated_runs.h"
#include "calendar/locale_settings.h"
#include "schedule/crew.h"
#include "settings/named_colors.h"
#include "ui/parts/announcer.h"
#include "ui/parts/font_size.h"
#include "ui/parts/held_description.h"
#include "ui/parts/left_to_right_entries.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/spoken_steps.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/color_picker.h"
#include "ui/settings/segmented_row.h"
#include "ui/settings/time_field.h"
#include "ui/settings/toggle_switch.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
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

// A label at the leading edge and its control at the trailing one, `trailingGap` before the
// form's edge; both at their own heights, from the row's top.
QHBoxLayout* LabelledRow(QLabel* label, QWidget* control, int trailingGap) {
    label->setFixedHeight(25);
    auto* row = new QHBoxLayout;
    row->setSpacing(7);
    row->addWidget(label, 1, Qt::AlignTop);
    row->addWidget(control, 0, Qt::AlignTop);
    if (trailingGap > 0)
        row->addSpacing(trailingGap);
    return row;
}

// The holidays list's entries past the regions: the file chosen, and the one that asks for one.
constexpr int kHolidayFileChosen = -1;
constexpr int kAskForHolidayFile = -2;

QPushButton* BoldButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(parent), name);
    button->setText(caption);
    SetFontBold(button, true);
    return button;
}

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

    m_holidaysLabel = Named(new QLabel(tr("Holidays"), form), "holidaysLabel");
    m_holidays = Named(new ClosingComboBox(form), "holidaysBox");
    for (const HolidayRegion region : HolidayRegions())
        m_holidays->addItem(HolidayRegionText(region), static_cast<int>(region));
    m_holidays->addItem(tr("From a file…"), kAskForHolidayFile);
    m_holidays->setFixedSize(150, 30);
    // The regions' names are longer than the box; its list shows them whole.
    m_holidays->view()->setMinimumWidth(260);
    m_holidays->setAccessibleName(tr("Public holidays"));
    m_holidaysLabel->setBuddy(m_holidays);
    ReadOutChoice(m_holidays, m_announcer);
    rows->addLayout(LabelledRow(m_holidaysLabel, m_holidays, 0));
    rows->addSpacing(26);
    buildDutyHours(locale, form, rows);
    rows->addSpacing(39);
    connect(m_holidays, &ClosingComboBox::activated, this, &SettingsPage::applyHolidayChoice);
    connect(m_weekStart, &ToggleSwitch::toggled, this, [this](bool on) {
        m_edited.weekStartsOnMonday = on;
        emit settingsEdited(m_edited);
    });
    buildColorButtons(form, rows);
}

// The chosen crew's duty hours, a start and a length, and the reminder of duty; each row as the
// ones above it.
void SettingsPage::buildDutyHours(const QLocale& locale, QWidget* form, QVBoxLayout* rows) {
    const auto timeField = [&](const char* name) {
        auto* field = Named(new TimeField(locale, form), name);
        field->setFixedSize(81, 30);
        return field;
    };
    m_dutyStartLabel = Named(new QLabel(tr("Duty starts"), form), "dutyStartLabel");
    m_dutyStart = timeField("dutyStartField");
    m_dutyStart->setTime(QTime(7, 0));
    m_dutyStartLabel->setBuddy(m_dutyStart);
    rows->addLayout(LabelledRow(m_dutyStartLabel, m_dutyStart, 0));
    rows->addSpacing(16);

    m_dutyLengthLabel = Named(new QLabel(tr("Duty length"), form), "dutyLengthLabel");
    m_dutyLength = Named(new QSpinBox(form), "dutyLengthField");
    m_dutyLength->setLocale(locale);
    m_dutyLength->setRange(0, 24);
    // Nothing set is a duty all day, as every crew's is until its hours are set.
    m_dutyLength->setSpecialValueText(tr("All day"));
    //: After a duty's length in hours, as in "24 h".
    m_dutyLength->setSuffix(tr(" h"));
    m_dutyLength->setFixedSize(81, 30);
    SayEachStep(m_dutyLength);
    m_dutyLengthLabel->setBuddy(m_dutyLength);
    rows->addLayout(LabelledRow(m_dutyLengthLabel, m_dutyLength, 0));
    rows->addSpacing(26);

    m_reminderLabel = Named(new QLabel(tr("Remind me"), form), "reminderLabel");
    m_reminder = Named(new ClosingComboBox(form), "reminderBox");
    m_reminder->addItem(tr("Never"), 0);
    m_reminder->addItem(tr("15 minutes before"), 15);
    m_reminder->addItem(tr("1 hour before"), 60);
    m_reminder->addItem(tr("2 hours before"), 120);
    m_reminder->addItem(tr("The evening before"), -1);
    m_reminder->setFixedSize(150, 30);
    m_reminder->setAccessibleName(tr("Remind me of duty"));
    m_reminderLabel->setBuddy(m_reminder);
    ReadOutChoice(m_reminder, m_announcer);
    rows->addLayout(LabelledRow(m_reminderLabel, m_reminder, 0));
    rows->addSpacing(16);

    m_eveningLabel = Named(new QLabel(tr("In the evening at"), form), "eveningLabel");
    m_eveningAt = timeField("eveningField");
    m_eveningAt->setTime(QTime(19, 0));
    m_eveningAt->setAccessibleName(tr("Evening reminder at"));
    m_eveningLabel->setBuddy(m_eveningAt);
    rows->addLayout(LabelledRow(m_eveningLabel, m_eveningAt, 0));

    connect(m_dutyStart, &TimeField::timeChanged, this, &SettingsPage::applyDutyHours);
    connect(m_dutyLength, &QSpinBox::valueChanged, this, &SettingsPage::applyDutyHours);
    connect(m_reminder, &ClosingComboBox::activated, this, &SettingsPage::applyReminder);
    connect(m_eveningAt, &TimeField::timeChanged, this, &SettingsPage::applyReminder);
}

// The hours of the crew chosen in the list; the agency-wide entry has none to set.
void SettingsPage::showDutyHours() {
    const QSignalBlocker quietStart(m_dutyStart);
    const QSignalBlocker quietLength(m_dutyLength);
    const bool hasRotation = m_assignment->currentIndex() > 0;
    const DutyHours* hours = DutyHoursOf(m_edited);
    if (hours) {
        m_dutyStart->setTime(hours->start);
        int minutes = hours->start.secsTo(hours->end) / 60;
        if (minutes <= 0)
            minutes += 24 * 60;
        // A length in whole hours; one with minutes set by hand in the file shows rounded and
        // is kept until the user changes it.
        m_dutyLength->setValue(std::clamp((minutes + 30) / 60, 1, 24));
    } else {
        m_dutyLength->setValue(0);
    }
    m_dutyLength->setEnabled(hasRotation);
    m_dutyStart->setEnabled(hasRotation && hours);
    describeDutyLength();
    const QString crew = LeftToRightRun(m_assignment->currentText(), isRightToLeft());
    m_dutyStart->setAccessibleName(tr("Duty of %1 starts at").arg(crew));
    m_dutyLength->setAccessibleName(tr("Duty of %1 lasts, in hours").arg(crew));
}

void SettingsPage::applyDutyHours() {
    if (m_assignment->currentIndex() <= 0)
        return;
    const int length = m_dutyLength->value();
    if (length == 0) {
        m_edited.dutyHours.erase(m_edited.assignment);
    } else {
        const QTime start = m_dutyStart->time();
        m_edited.dutyHours[m_edited.assignment] = {start, start.addSecs(length * 3600)};
    }
    m_dutyStart->setEnabled(length > 0);
    describeDutyLength();
    emit settingsEdited(m_edited);
}

// The start above is out of the Tab key's way while the duty lasts all day; the length, which
// the key reaches, says why.
void SettingsPage::describeDutyLength() {
    m_dutyLength->setAccessibleDescription(
        m_dutyLength->isEnabled() && !m_dutyStart->isEnabled()
            ? tr("A duty all day has no start; give it a length to set when it starts.")
            : QString());
}

void SettingsPage::showReminder() {
    const QSignalBlocker quietList(m_reminder);
    const QSignalBlocker quietEvening(m_eveningAt);
    const Reminder& reminder = m_edited.reminder;
    const int entry = reminder.kind == Reminder::Kind::EveningBefore ? -1
                      : reminder.kind == Reminder::Kind::Before      ? reminder.minutesBefore
                                                                     : 0;
    m_reminder->setCurrentIndex(std::max(0, m_reminder->findData(entry)));
    if (reminder.kind == Reminder::Kind::EveningBefore)
        m_eveningAt->setTime(reminder.eveningAt);
    m_eveningAt->setEnabled(reminder.kind == Reminder::Kind::EveningBefore);
}

void SettingsPage::applyReminder() {
    const int entry = m_reminder->currentData().toInt();
    Reminder& reminder = m_edited.reminder;
    if (entry < 0)
        reminder = {Reminder::Kind::EveningBefore, 0, m_eveningAt->time()};
    else if (entry > 0)
        reminder = {Reminder::Kind::Before, entry, QTime()};
    else
        reminder = Reminder();
    m_eveningAt->setEnabled(entry < 0);
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

    // Below the colour buttons and in their style: Export, Print and Publish share a row as wide
    // as theirs, and overlap by a pixel as they do; a longer caption in another language widens
    // its button.
    m_export = BoldButton(form, "exportButton", tr("Export…"));
    m_export->setAccessibleName(tr("Export duty days to a calendar file"));
    connect(m_export, &QPushButton::clicked, this, &SettingsPage::exportRequested);
    m_print = BoldButton(form, "printButton", tr("Print…"));
    m_print->setAccessibleName(tr("Print a crew's duty year or save it as PDF"));
    connect(m_print, &QPushButton::clicked, this, &SettingsPage::printRequested);
    m_publish = BoldButton(form, "publishButton", tr("Publish…"));
    m_publish->setAccessibleName(tr("Publish the duty to your own calendar and keep it current"));
    connect(m_publish, &QPushButton::clicked, this, &SettingsPage::publishRequested);
    auto* fileRow = new SegmentedRow;
    // Three thirds of the row, the last taking what the division leaves; where a caption needs
    // more than a third, as German "Veröffentlichen…" does, each takes what its caption needs
    // and the row's room left over is shared out.
    QPushButton* const fileButtons[] = {m_export, m_print, m_publish};
    int needed[3];
    int neededInAll = 0;
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = fileButtons[i];
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        needed[i] = button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin;
        neededInAll += needed[i];
    }
    const int third = (rowWidth + 2) / 3;
    const bool thirds = *std::max_element(needed, needed + 3) <= third;
    const int spare = std::max(0, rowWidth + 2 - neededInAll);
    for (int i = 0; i < 3; ++i) {
        const int width = thirds  ? (i < 2 ? third : rowWidth + 2 - 2 * third)
                          : i < 2 ? needed[i] + spare / 3
                                  : needed[i] + spare - 2 * (spare / 3);
        fileButtons[i]->setFixedSize(width, 29);
        fileRow->addWidget(fileButtons[i]);
    }
    rows->addLayout(fileRow);
    rows->addSpacing(11);

    // Where publishing stands, and under it the word on the last file written, share the room
    // below the buttons: a state that comes or goes moves nothing above them.
    auto* messages = Named(new QWidget(form), "fileMessages");
    messages->setMinimumHeight(80);
    auto* messageRows = new QVBoxLayout(messages);
    messageRows->setContentsMargins(0, 0, 0, 0);
    messageRows->setSpacing(0);
    m_publishState = new PublishStateRow(messages);
    m_publishState->setContentsMargins(0, 0, 0, 8);
    messageRows->addWidget(m_publishState);
    connect(m_publishState, &PublishStateRow::tryAgainRequested, this,
            &SettingsPage::publishRetryRequested);
    connect(m_publishState, &PublishStateRow::passwordRequested, this,
            &SettingsPage::publishPasswordRequested);

    // Empty, and so unseen, until an export has written its file.
    m_exportMessage = Named(new QLabel(messages), "exportMessage");
    m_exportMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_exportMessage->setWordWrap(true);
    m_exportMessage->setTextFormat(Qt::PlainText);
    messageRows->addWidget(m_exportMessage, 1);
    rows->addWidget(messages, 1);
}

void SettingsPage::showExportMessage(const QString& message) {
    showFileMessage(message, m_export);
}

void SettingsPage::showPrintMessage(const QString& message) {
    showFileMessage(message, m_print);
}

void SettingsPage::clearFileMessage() {
    showFileMessage({}, nullptr);
}

void SettingsPage::showPublishState(const QString& text, PublishStateRow::Action action,
                                    bool said) {
    m_publishState->showState(text, action, said);
    Describe(m_publish, text, said ? UnderFocus::Hold : UnderFocus::Change);
}

void SettingsPage::showFileMessage(const QString& message, QPushButton* writer) {
    m_exportMessage->setText(message);
    // The focus is back on the button when the dialogs have closed, and a screen reader reads
    // its description with it; the other button's tells of a file no longer spoken of.
    for (QPushButton* button : {m_export, m_print})
        button->setAccessibleDescription(button == writer ? message : QString());
}

void SettingsPage::showSettings(const Settings& settings) {
    m_edited = settings;
    const QSignalBlocker quiet(m_weekStart);
    m_assignment->setCurrentIndex(AssignmentEntryOf(settings.assignment));
    m_weekStart->setChecked(settings.weekStartsOnMonday);
    showHolidayChoice();
    showDutyHours();
    showReminder();
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
    // The background's caption and the word on the last export stand on the background and are
    // read on any.
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_title, m_backgroundColor, m_exportMessage})
        SetTextColor(widget, look.headerTextColor);
    m_publishState->setTextColor(look.headerTextColor);
    const QRgb header = look.headerTextColor;
    SetStateTextColors(m_back, {header, header, colors::Blue, header});
    SetStateTextColors(m_save, {colors::Black, colors::Black, colors::Blue, colors::Black});
}

void SettingsPage::showPickedBackground(const TabLook& look) {
    showLook(look);
    // The labels keep the platform's text colour until the user picks a background.
    SetTextColor(m_assignmentLabel, look.headerTextColor);
    SetTextColor(m_weekStartLabel, look.headerTextColor);
    for (QLabel* label :
         {m_holidaysLabel, m_dutyStartLabel, m_dutyLengthLabel, m_reminderLabel, m_eveningLabel})
        SetTextColor(label, look.headerTextColor);
}

// The list ends with the file's name where holidays come from a file, and then "From a file…".
void SettingsPage::showHolidayChoice() {
    const QSignalBlocker quiet(m_holidays);
    const int fileEntry = m_holidays->findData(kHolidayFileChosen);
    if (fileEntry >= 0)
        m_holidays->removeItem(fileEntry);
    if (m_edited.holidayFile.isEmpty()) {
        m_holidays->setCurrentIndex(m_holidays->findData(static_cast<int>(m_edited.holidayRegion)));
        return;
    }
    const int askEntry = m_holidays->findData(kAskForHolidayFile);
    m_holidays->insertItem(askEntry, QFileInfo(m_edited.holidayFile).fileName(),
                           kHolidayFileChosen);
    m_holidays->setItemData(askEntry, m_edited.holidayFile, Qt::ToolTipRole);
    m_holidays->setCurrentIndex(askEntry);
}

void SettingsPage::applyHolidayChoice() {
    const int chosen = m_holidays->currentData().toInt();
    if (chosen == kHolidayFileChosen)
        return;
    if (chosen == kAskForHolidayFile) {
        // The list shows what holds until the window has a file that can be read.
        showHolidayChoice();
        emit holidayFileRequested();
        return;
    }
    m_edited.holidayRegion = static_cast<HolidayRegion>(chosen);
    m_edited.holidayFile.clear();
    showHolidayChoice();
    emit settingsEdited(m_edited);
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
