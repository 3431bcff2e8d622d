#include "ui/settings/holidays_group.h"

#include "calendar/holiday_texts.h"
#include "platform/settings_model.h"
#include "ui/parts/announcer.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/text_color.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/settings_rows.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dutyloop {

namespace {

// The list's entries past the regions: the file chosen, and the one that asks for one.
constexpr int kHolidayFileChosen = -1;
constexpr int kAskForHolidayFile = -2;

} // namespace

HolidaysGroup::HolidaysGroup(SettingsModel* settings, Announcer* announcer, QWidget* form,
                             QVBoxLayout* rows)
    : QObject(form), m_settings(settings) {
    m_label = Named(new QLabel(tr("Holidays"), form), "holidaysLabel");
    m_holidays = Named(new ClosingComboBox(form), "holidaysBox");
    for (const HolidayRegion region : HolidayRegions())
        m_holidays->addItem(HolidayRegionText(region), static_cast<int>(region));
    m_holidays->addItem(tr("From a file…"), kAskForHolidayFile);
    m_holidays->setFixedSize(150, 30);
    // The regions' names are longer than the box; its list shows them whole.
    m_holidays->view()->setMinimumWidth(260);
    m_holidays->setAccessibleName(tr("Public holidays"));
    m_label->setBuddy(m_holidays);
    ReadOutChoice(m_holidays, announcer);
    rows->addLayout(LabelledRow(m_label, m_holidays));
    connect(m_holidays, &ClosingComboBox::activated, this, &HolidaysGroup::applyHolidayChoice);
}

void HolidaysGroup::setLabelColor(QRgb color) {
    SetTextColor(m_label, color);
}

// The list ends with the file's name where holidays come from a file, and then "From a file…".
void HolidaysGroup::showSettings(const Settings& settings) {
    const QSignalBlocker quiet(m_holidays);
    const int fileEntry = m_holidays->findData(kHolidayFileChosen);
    if (fileEntry >= 0)
        m_holidays->removeItem(fileEntry);
    if (settings.holidayFile.isEmpty()) {
        m_holidays->setCurrentIndex(m_holidays->findData(static_cast<int>(settings.holidayRegion)));
        return;
    }
    const int askEntry = m_holidays->findData(kAskForHolidayFile);
    m_holidays->insertItem(askEntry, QFileInfo(settings.holidayFile).fileName(),
                           kHolidayFileChosen);
    m_holidays->setItemData(askEntry, settings.holidayFile, Qt::ToolTipRole);
    m_holidays->setCurrentIndex(askEntry);
}

void HolidaysGroup::applyHolidayChoice() {
    const int chosen = m_holidays->currentData().toInt();
    if (chosen == kHolidayFileChosen)
        return;
    if (chosen == kAskForHolidayFile) {
        // The list shows what holds until the window has a file that can be read.
        showSettings(m_settings->edited());
        emit holidayFileRequested();
        return;
    }
    Settings edited = m_settings->edited();
    edited.holidayRegion = static_cast<HolidayRegion>(chosen);
    edited.holidayFile.clear();
    showSettings(edited);
    m_settings->edit(edited);
}

} // namespace dutyloop
