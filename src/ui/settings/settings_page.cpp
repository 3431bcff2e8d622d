#include "ui/settings/settings_page.h"

#include "platform/settings_model.h"
#include "ui/parts/announcer.h"
#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"
#include "ui/settings/color_picker.h"
#include "ui/settings/crew_group.h"
#include "ui/settings/duty_hours_group.h"
#include "ui/settings/files_group.h"
#include "ui/settings/holidays_group.h"
#include "ui/settings/settings_rows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

// The form's width where its texts need no more; a longer label in another language widens it.
constexpr int kFormWidth = 257;

} // namespace

SettingsPage::SettingsPage(const QLocale& locale, SettingsModel* settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    setObjectName(QStringLiteral("settingsPage"));
    m_announcer = new Announcer(this);
    buildToolBar(locale);
    buildGroups(locale);
    showSettings();
    // Whatever edits the settings (a group here, a holiday file chosen, a publishing target set,
    // the edits given up), each group shows them as they now stand.
    connect(settings, &SettingsModel::editedChanged, this, &SettingsPage::showSettings);
    connect(settings, &SettingsModel::editedChanged, this, &SettingsPage::clearFileMessage);
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

void SettingsPage::buildGroups(const QLocale& locale) {
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

    m_crew = new CrewGroup(m_settings, m_announcer, form, rows);
    rows->addSpacing(26);
    m_holidays = new HolidaysGroup(m_settings, m_announcer, form, rows);
    rows->addSpacing(26);
    m_dutyHours = new DutyHoursGroup(m_settings, m_announcer, locale, form, rows);
    rows->addSpacing(39);
    m_colors = new ColorsGroup(form, rows);
    rows->addSpacing(19);
    m_files = new FilesGroup(m_colors->rowWidth(), form, rows);

    connect(m_holidays, &HolidaysGroup::holidayFileRequested, this,
            &SettingsPage::holidayFileRequested);
    connect(m_colors, &ColorsGroup::colorRequested, this, &SettingsPage::openColorPicker);
    connect(m_files, &FilesGroup::exportRequested, this, &SettingsPage::exportRequested);
    connect(m_files, &FilesGroup::printRequested, this, &SettingsPage::printRequested);
    connect(m_files, &FilesGroup::publishRequested, this, &SettingsPage::publishRequested);
    connect(m_files, &FilesGroup::publishRetryRequested, this,
            &SettingsPage::publishRetryRequested);
    connect(m_files, &FilesGroup::publishPasswordRequested, this,
            &SettingsPage::publishPasswordRequested);
}

void SettingsPage::showSettings() {
    const Settings& settings = m_settings->edited();
    m_crew->showSettings(settings);
    m_holidays->showSettings(settings);
    m_dutyHours->showSettings(settings);
    m_colors->showSettings(settings);
}

void SettingsPage::setSaveEnabled(bool enabled) {
    m_save->setEnabled(enabled);
}

void SettingsPage::showExportMessage(const QString& message) {
    m_files->showExportMessage(message);
}

void SettingsPage::showPrintMessage(const QString& message) {
    m_files->showPrintMessage(message);
}

void SettingsPage::clearFileMessage() {
    m_files->clearFileMessage();
}

void SettingsPage::showPublishState(const QString& text, PublishStateRow::Action action,
                                    bool said) {
    m_files->showPublishState(text, action, said);
}

void SettingsPage::focusAssignment() {
    m_crew->focusAssignment();
}

void SettingsPage::showLook(const TabLook& look) {
    m_background->setColors(look.background, look.border, 0.0f);
    m_toolBarPanel->setColors(look.background, look.border, kThinBorder);
    SetFontPixelSize(m_title, look.titleFontSize);
    // The background's caption and the word on the last export stand on the background and are
    // read on any.
    SetTextColor(m_title, look.headerTextColor);
    m_colors->setBackgroundCaptionColor(look.headerTextColor);
    m_files->setTextColor(look.headerTextColor);
    const QRgb header = look.headerTextColor;
    SetStateTextColors(m_back, {header, header, colors::Blue, header});
    SetStateTextColors(m_save, {colors::Black, colors::Black, colors::Blue, colors::Black}, true);
}

void SettingsPage::showPickedBackground(const TabLook& look) {
    showLook(look);
    // The labels keep the platform's text colour until the user picks a background.
    m_crew->setLabelColor(look.headerTextColor);
    m_holidays->setLabelColor(look.headerTextColor);
    m_dutyHours->setLabelColor(look.headerTextColor);
}

void SettingsPage::openColorPicker(ColorSetting setting) {
    m_pickingFor = setting;
    m_colorPicker->setColor(ColorOf(m_settings->edited().colors, setting));
    m_colorPicker->show();
    m_colorPicker->showPopup();
}

void SettingsPage::applyPickedColor() {
    const QRgb picked = m_colorPicker->color();
    // Null is no colour: the picker never makes a setting fully transparent.
    if (picked == colors::Null)
        return;
    Settings edited = m_settings->edited();
    ColorOf(edited.colors, m_pickingFor) = picked;
    m_colors->showPickedColor(m_pickingFor, edited.colors);
    m_settings->edit(edited);
}

} // namespace dutyloop
