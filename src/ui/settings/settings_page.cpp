#include "ui/settings/settings_page.h"

#include "calendar/cell_colors.h"
#include "settings/assignment_list.h"
#include "ui/parts/font_size.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/parts/text_color.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/color_picker.h"
#include "ui/settings/toggle_switch.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

Color& ColorOf(ColorSettings& colours, ColorSetting setting) {
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

QPushButton* BoldButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = Named(new QPushButton(parent), name);
    button->setText(caption);
    SetFontBold(button, true);
    return button;
}

} // namespace

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("settingsPage"));
    buildToolBar();
    buildControls();
}

void SettingsPage::buildToolBar() {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_background = Named(new Panel(this), "backgroundPanel");
    const TitleBar bar = MakeTitleBar(this);
    m_toolBarPanel = bar.panel;
    m_title = bar.title;
    column->addWidget(bar.bar);
    column->addWidget(m_background, 1);

    m_back = BackButton(m_title, false);
    m_save = BoldButton(m_title, "saveButton", tr("Save"));
    PlaceAtEnds(m_title, m_back, 55, m_save, 86);
    m_colorPicker = Named(new ColorPicker(m_title), "colorPicker");
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

void SettingsPage::buildControls() {
    m_assignmentLabel = Named(new QLabel(tr("Assignment"), this), "assignmentLabel");
    m_assignmentLabel->setGeometry(16, 64, 169, 25);
    m_assignment = Named(new ClosingComboBox(this), "assignmentBox");
    m_assignment->addItems(AssignmentEntries());
    m_assignment->setCurrentIndex(-1);
    m_assignment->setMaxVisibleItems(12);
    m_assignment->setGeometry(192, 64, 81, 30);
    m_assignment->setAccessibleName(tr("Assignment"));
    m_assignmentLabel->setBuddy(m_assignment);
    connect(m_assignment, &ClosingComboBox::listClosed, this, &SettingsPage::applyAssignment);
    // A choice made with the keys on the closed list counts as much as one from its drop-down.
    connect(m_assignment, &ClosingComboBox::activated, this, &SettingsPage::applyAssignment);

    m_weekStartLabel = Named(new QLabel(tr("Start Monday"), this), "weekStartLabel");
    m_weekStartLabel->setGeometry(16, 120, 169, 25);
    m_weekStart = Named(new ToggleSwitch(this), "weekStartSwitch");
    m_weekStart->setGeometry(208, 120, 55, 25);
    m_weekStart->setAccessibleName(tr("Start weeks on Monday"));
    connect(m_weekStart, &ToggleSwitch::toggled, this, [this](bool on) {
        m_edited.weekStartsOnMonday = on;
        emit settingsEdited(m_edited);
    });
    buildColorButtons();
}

void SettingsPage::buildColorButtons() {
    struct ColorButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        ColorSetting setting;
        int x;
        const char* accessibleName;
    };
    const ColorButton buttons[] = {
        {&m_workColor, "workColorButton", QT_TR_NOOP("Work"), ColorSetting::Work, 16,
         QT_TR_NOOP("Work day colour")},
        {&m_offColor, "offColorButton", QT_TR_NOOP("Off"), ColorSetting::Off, 80,
         QT_TR_NOOP("Off-duty colour")},
        {&m_leadTrailColor, "leadTrailColorButton", QT_TR_NOOP("Ld/Tr"), ColorSetting::LeadTrail,
         144, QT_TR_NOOP("Leading and trailing days colour")},
        {&m_backgroundColor, "backgroundColorButton", QT_TR_NOOP("BkGr"), ColorSetting::Background,
         208, QT_TR_NOOP("Background colour")},
    };
    for (const ColorButton& made : buttons) {
        QPushButton* button = BoldButton(this, made.name, tr(made.caption));
        // Each piece overlaps the next by one, so the four read as one segmented row.
        button->setGeometry(made.x, 184, 65, 29);
        button->setAccessibleName(tr(made.accessibleName));
        connect(button, &QPushButton::clicked, this,
                [this, setting = made.setting] { openColorPicker(setting); });
        *made.button = button;
    }

    // Below the colour buttons and in their style; Export and Print share a row as wide as
    // theirs, overlapping by one as the colour buttons do.
    m_export = BoldButton(this, "exportButton", tr("Export…"));
    m_export->setGeometry(16, 232, 129, 29);
    m_export->setAccessibleName(tr("Export duty days to a calendar file"));
    connect(m_export, &QPushButton::clicked, this, &SettingsPage::exportRequested);
    m_print = BoldButton(this, "printButton", tr("Print…"));
    m_print->setGeometry(144, 232, 129, 29);
    m_print->setAccessibleName(tr("Print a crew's duty year or save it as PDF"));
    connect(m_print, &QPushButton::clicked, this, &SettingsPage::printRequested);
    // Empty, and so unseen, until an export has written its file.
    m_exportMessage = Named(new QLabel(this), "exportMessage");
    m_exportMessage->setGeometry(16, 272, 257, 80);
    m_exportMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_exportMessage->setWordWrap(true);
    m_exportMessage->setTextFormat(Qt::PlainText);
}

void SettingsPage::showExportMessage(const QString& message) {
    m_exportMessage->setText(message);
    // The focus is back on the Export button when the dialog has closed; a screen reader
    // speaks the new description of the object it stands on.
    m_export->setAccessibleDescription(message);
}

void SettingsPage::showSettings(const Settings& settings) {
    m_edited = settings;
    const QSignalBlocker quiet(m_weekStart);
    m_assignment->setCurrentIndex(AssignmentEntryOf(settings.assignmentText));
    m_weekStart->setChecked(settings.weekStartsOnMonday);
    const ColorSettings& colours = settings.colors;
    // Each of the first three shows its colour in its own caption, even the background's.
    SetTextColor(m_workColor, colours.work);
    SetTextColor(m_offColor, colours.off);
    SetTextColor(m_leadTrailColor, colours.leadTrail);
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
    const Color header = look.headerTextColor;
    SetStateTextColors(m_back, {header, header, colors::Blue, header});
    SetStateTextColors(m_save, {colors::Black, colors::Black, colors::Blue, colors::Black});
}

void SettingsPage::showPickedBackground(const TabLook& look) {
    showLook(look);
    // The labels keep the platform's text colour until the user picks a background.
    SetTextColor(m_assignmentLabel, look.headerTextColor);
    SetTextColor(m_weekStartLabel, look.headerTextColor);
}

void SettingsPage::applyAssignment() {
    if (m_assignment->currentIndex() < 0)
        m_assignment->setCurrentIndex(0);
    m_edited.assignmentText = m_assignment->currentText();
    emit settingsEdited(m_edited);
}

void SettingsPage::openColorPicker(ColorSetting setting) {
    m_pickingFor = setting;
    m_colorPicker->setColor(ColorOf(m_edited.colors, setting));
    m_colorPicker->show();
    m_colorPicker->showPopup();
}

void SettingsPage::applyPickedColor() {
    const Color picked = m_colorPicker->color();
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
    emit settingsEdited(m_edited);
}

} // namespace dutyloop
