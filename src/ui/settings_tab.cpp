// The Settings tab's handlers: the assignment list, the colour buttons and their picker, and
// Save.

#include "calendar/cell_colors.h"
#include "platform/file_services.h"
#include "ui/error_box.h"
#include "ui/export_dialog.h"
#include "ui/main_form.h"
#include "ui/t_color_combo_box.h"
#include "ui/t_combo_box.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_tab_control.h"
#include "ui/tag.h"
#include "ui/text_color.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace dutyloop {

namespace {

constexpr int kBackgroundTag = 7;

// The colour buttons' tags name the colour each edits: 1 work, 2 off, 6 lead/trail, 7 background.
Color* ColorForTag(ColorSettings& colours, int tag) {
    switch (tag) {
    case 1:
        return &colours.work;
    case 2:
        return &colours.off;
    case 6:
        return &colours.leadTrail;
    case kBackgroundTag:
        return &colours.background;
    default:
        return nullptr;
    }
}

// The buttons of the three colours that are not the background.
QPushButton* ColourButtonForTag(const FormWidgets& w, int tag) {
    switch (tag) {
    case 1:
        return w.bAPlt;
    case 2:
        return w.bBPlt;
    default:
        return w.bLdTr;
    }
}

} // namespace

void TMainForm::WireSettingsTab() {
    connect(m_w.cbPlt, &TComboBox::closePopup, this, &TMainForm::cbPltClosePopup);
    // A choice made with the keys on the closed list counts as much as one from its drop-down.
    connect(m_w.cbPlt, &TComboBox::activated, this, &TMainForm::cbPltClosePopup);
    for (QPushButton* button : {m_w.bAPlt, m_w.bBPlt, m_w.bLdTr, m_w.bBkGr})
        connect(button, &QPushButton::clicked, this, [this, button] { bAPltClick(button); });
    // Qt closes the list before it selects the entry chosen: the choice is applied when Qt
    // reports it, by mouse or by keys, and a list closed without one changes nothing.
    connect(m_w.ccbColor, &TComboBox::activated, this, &TMainForm::ApplyPickerChoice);
    connect(m_w.ccbColor, &TComboBox::closePopup, this, &TMainForm::ccbColorClosePopup);
    connect(m_w.bSave, &QPushButton::clicked, this, &TMainForm::bSaveClick);
    connect(m_w.bExport, &QPushButton::clicked, this, &TMainForm::bExportClick);
}

void TMainForm::ReadSettings() {
    m_settings = SettingsFromText(ReadFileBytes(m_settingsFilePath).value_or(QByteArray()));
    m_w.swMondays->setChecked(m_settings.weekStartsOnMonday);
}

void TMainForm::cbPltClosePopup() {
    if (m_w.cbPlt->currentIndex() < 0)
        m_w.cbPlt->setCurrentIndex(0);
    m_settings.assignmentText = m_w.cbPlt->currentText();
}

void TMainForm::bAPltClick(QObject* sender) {
    const int tag = Tag(sender);
    SetTag(m_w.ccbColor, tag);
    if (const Color* colour = ColorForTag(m_settings.colors, tag))
        m_w.ccbColor->setColor(*colour);
    m_w.ccbColor->show();
    m_w.ccbColor->showPopup();
}

void TMainForm::ccbColorClosePopup() {
    m_w.ccbColor->hide();
}

void TMainForm::ApplyPickerChoice() {
    const Color contrast = ContrastTextColor(m_settings.colors.background);
    const Color picked = m_w.ccbColor->color();
    // Null is no colour: the picker never makes a setting fully transparent.
    if (picked != colors::Null)
        ApplyPickedColor(Tag(m_w.ccbColor), picked, contrast);
}

void TMainForm::ApplyPickedColor(int tag, Color picked, Color contrast) {
    Color* colour = ColorForTag(m_settings.colors, tag);
    if (!colour)
        return;
    *colour = picked;
    if (tag != kBackgroundTag) {
        SetTextColor(ColourButtonForTag(m_w, tag),
                     picked == m_settings.colors.background ? contrast : picked);
        return;
    }
    const Color text = ContrastTextColor(picked);
    m_w.rectToolbar2->setFill(picked);
    m_w.rectSettings->setFill(picked);
    SetTextColor(m_w.lblToolbar2, text);
    const Color link = picked == colors::Blue ? colors::White : colors::Blue;
    SetTextColor(m_w.sbHelp1, link);
    SetTextColor(m_w.sbHelp2, link);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_w.bBkGr, m_w.lblPlatoon, m_w.lblMonday, m_w.lblAbout})
        SetTextColor(widget, text);
}

void TMainForm::bSaveClick() {
    Settings saved = m_settings;
    saved.weekStartsOnMonday = m_w.swMondays->isChecked();
    // The folder may have gone since start-up made it; it is made again the same way.
    CreateDirectoryWithParents(QFileInfo(m_settingsFilePath).absolutePath());
    // The seven keys go into the file as it stands, so every other line of it survives; what
    // is there but cannot be read (no regular file, or far too large) is not replaced.
    const std::optional<QByteArray> current = ReadFileBytes(m_settingsFilePath);
    if (!current && QFileInfo(m_settingsFilePath).exists()) {
        m_platform.showError(this, UnableToWriteMessage(m_settingsFilePath));
        return;
    }
    if (!WriteFileOrShowError(m_platform, this, m_settingsFilePath,
                              TextWithSettings(current.value_or(QByteArray()), saved)))
        return;
    ShowMonthOf(m_view.shownDate);
    m_w.tabCtrl->setCurrentWidget(m_w.tabCalendar);
}

void TMainForm::bExportClick() {
    RunExport(this, m_settings.assignmentText, m_view.shownDate, m_platform);
}

} // namespace dutyloop
