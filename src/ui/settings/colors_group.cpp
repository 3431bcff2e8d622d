#include "ui/settings/colors_group.h"

#include "calendar/cell_colors.h"
#include "settings/named_colors.h"
#include "settings/settings_file.h"
#include "ui/parts/text_color.h"
#include "ui/settings/segmented_row.h"
#include "ui/settings/settings_rows.h"

#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

namespace {

// The property that holds what a colour button is for, before its colour is added.
constexpr char kColorRole[] = "dutyloopColorRole";

// A colour button is named for what it colours and the colour it holds: a screen reader
// cannot see the caption's colour.
void NameColorButton(QPushButton* button, QRgb color) {
    button->setAccessibleName(
        ColorsGroup::tr("%1: %2", "what a colour is for, then the colour")
            .arg(button->property(kColorRole).toString(), ColorToName(color)));
}

} // namespace

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

QRgb ColorOf(const ColorSettings& colours, ColorSetting setting) {
    ColorSettings copy = colours;
    return ColorOf(copy, setting);
}

ColorsGroup::ColorsGroup(QWidget* form, QVBoxLayout* rows) : QObject(form) {
    struct ColorButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        ColorSetting setting;
        const char* accessibleName;
    };
    const ColorButton buttons[] = {
        {&m_work, "workColorButton", QT_TR_NOOP("Work"), ColorSetting::Work,
         QT_TR_NOOP("Work day colour")},
        {&m_off, "offColorButton", QT_TR_NOOP("Off"), ColorSetting::Off,
         QT_TR_NOOP("Off-duty colour")},
        {&m_leadTrail, "leadTrailColorButton", QT_TR_NOOP("Ld/Tr"), ColorSetting::LeadTrail,
         QT_TR_NOOP("Leading and trailing days colour")},
        {&m_background, "backgroundColorButton", QT_TR_NOOP("BkGr"), ColorSetting::Background,
         QT_TR_NOOP("Background colour")},
    };
    auto* colorRow = new SegmentedRow;
    for (const ColorButton& made : buttons) {
        QPushButton* button = BoldButton(form, made.name, tr(made.caption));
        // 65 wide, or wider for a longer caption in another language (German "Hintergrund").
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        button->setFixedSize(
            std::max(65, button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin), 29);
        // What the button is for; the colour it holds is added to it as it changes.
        button->setProperty(kColorRole, tr(made.accessibleName));
        connect(button, &QPushButton::clicked, this,
                [this, setting = made.setting] { emit colorRequested(setting); });
        colorRow->addWidget(button);
        m_rowWidth += button->width() - (m_rowWidth > 0 ? 1 : 0);
        *made.button = button;
    }
    rows->addLayout(colorRow);
}

QPushButton* ColorsGroup::button(ColorSetting setting) const {
    switch (setting) {
    case ColorSetting::Work:
        return m_work;
    case ColorSetting::Off:
        return m_off;
    case ColorSetting::LeadTrail:
        return m_leadTrail;
    case ColorSetting::Background:
        break;
    }
    return m_background;
}

void ColorsGroup::showSettings(const Settings& settings) {
    const ColorSettings& colours = settings.colors;
    // A colour picked here keeps the caption it was shown with.
    if (m_shownOnce && colours == m_shown)
        return;
    m_shownOnce = true;
    m_shown = colours;
    // Each of the first three shows its colour in its own caption, even the background's.
    SetTextColor(m_work, colours.work);
    SetTextColor(m_off, colours.off);
    SetTextColor(m_leadTrail, colours.leadTrail);
    nameButtons(colours);
}

void ColorsGroup::showPickedColor(ColorSetting setting, const ColorSettings& colours) {
    m_shown = colours;
    // The background's caption, with the rest of the tab, follows the look the window hands back;
    // the other captions keep theirs, even one that a new background now matches.
    if (setting != ColorSetting::Background)
        SetTextColor(button(setting),
                     CaptionColorFor(ColorOf(colours, setting), colours.background));
    nameButtons(colours);
}

void ColorsGroup::setBackgroundCaptionColor(QRgb color) {
    SetTextColor(m_background, color);
}

void ColorsGroup::nameButtons(const ColorSettings& colours) {
    NameColorButton(m_work, colours.work);
    NameColorButton(m_off, colours.off);
    NameColorButton(m_leadTrail, colours.leadTrail);
    NameColorButton(m_background, colours.background);
}

} // namespace dutyloop
