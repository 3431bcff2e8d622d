#include "ui/settings/holidays_row.h"

#include "calendar/holiday_texts.h"
#include "ui/parts/announcer.h"
#include "ui/parts/page_parts.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/settings_page.h"
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

// The texts are the Settings tab's, and are translated as its own.
HolidaysRow::HolidaysRow(QWidget* form, QVBoxLayout* rows, Announcer* announcer) : QObject(form) {
    m_label = Named(new QLabel(SettingsPage::tr("Holidays"), form), "holidaysLabel");
    m_list = Named(new ClosingComboBox(form), "holidaysBox");
    for (const HolidayRegion region : HolidayRegions())
        m_list->addItem(HolidayRegionText(region), static_cast<int>(region));
    m_list->addItem(SettingsPage::tr("From a file…"), kAskForHolidayFile);
    m_list->setFixedSize(150, 30);
    // The regions' names are longer than the box; its list shows them whole.
    m_list->view()->setMinimumWidth(260);
    m_list->setAccessibleName(SettingsPage::tr("Public holidays"));
    m_label->setBuddy(m_list);
    ReadOutChoice(m_list, announcer);
    rows->addLayout(LabelledRow(m_label, m_list, 0));
    connect(m_list, &ClosingComboBox::activated, this, &HolidaysRow::applyChoice);
}

// The list ends with the file's name where holidays come from a file, and then "From a file…".
void HolidaysRow::showChoice(HolidayRegion region, const QString& file) {
    m_region = region;
    m_file = file;
    const QSignalBlocker quiet(m_list);
    const int fileEntry = m_list->findData(kHolidayFileChosen);
    if (fileEntry >= 0)
        m_list->removeItem(fileEntry);
    if (file.isEmpty()) {
        m_list->setCurrentIndex(m_list->findData(static_cast<int>(region)));
        return;
    }
    const int askEntry = m_list->findData(kAskForHolidayFile);
    m_list->insertItem(askEntry, QFileInfo(file).fileName(), kHolidayFileChosen);
    m_list->setItemData(askEntry, file, Qt::ToolTipRole);
    m_list->setCurrentIndex(askEntry);
}

void HolidaysRow::applyChoice() {
    const int chosen = m_list->currentData().toInt();
    if (chosen == kHolidayFileChosen)
        return;
    if (chosen == kAskForHolidayFile) {
        // The list shows what holds until the window has a file that can be read.
        showChoice(m_region, m_file);
        emit fileRequested();
        return;
    }
    emit regionChosen(static_cast<HolidayRegion>(chosen));
}

} // namespace dutyloop
