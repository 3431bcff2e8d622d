#include "ui/calendar_redraw.h"

#include "calendar/cell_colors.h"
#include "calendar/cell_descriptions.h"
#include "calendar/header_texts.h"
#include "schedule/rotation.h"
#include "ui/font_size.h"
#include "ui/state_text_colors.h"
#include "ui/t_combo_box.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"
#include "ui/tag.h"
#include "ui/text_color.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace dutyloop {

namespace {

constexpr float kThinStroke = 0.67f;

// Text that stands on the window's background reads in contrast to it.
Color HeaderColor(const FormWidgets& w) {
    return ContrastTextColor(w.rectSettings->fill());
}

void SetLabelText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

void SetAccessibleName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

// What a screen reader says of a day cell, and, for the cells that take the pointer, which
// crews are on duty that day.
void DescribeCell(TRectangle* cell, int tag, Date date, const RedrawState& state) {
    if (state.describedCells) {
        const CellDescriptionKey key{date, state.view.anchorDate, true};
        CellDescriptionKey& last = (*state.describedCells)[static_cast<std::size_t>(tag)];
        if (last == key)
            return;
        last = key;
    }
    const QString longDate = LongDateText(date, state.locale);
    SetAccessibleName(cell, CellAccessibleName(longDate, DutyCodeFor(date, state.view.anchorDate)));
    if (tag > kLastClickableCell)
        return;
    const QString tip = CellToolTip(longDate, date);
    if (cell->toolTip() != tip) {
        cell->setToolTip(tip);
        cell->setAccessibleDescription(tip);
    }
}

} // namespace

WeekStart WeekStartOf(const FormWidgets& w) {
    return w.swMondays->isChecked() ? WeekStart::Monday : WeekStart::Sunday;
}

void UpdateTitle(const FormWidgets& w, const RedrawState& state) {
    const Color header = HeaderColor(w);
    for (QLabel* title : {w.lblToolbar1, w.lblToolbar2, w.lblToolbar3, w.lblToolbar4}) {
        SetFontPixelSize(title, state.fonts.title);
        SetTextColor(title, header);
    }
    SetStateTextColors(w.bSave, {colors::Black, colors::Black, colors::Blue, colors::Black});
    for (QToolButton* back : {w.sbBack2, w.sbBack3, w.sbBack4})
        SetStateTextColors(back, {header, header, colors::Blue, header});
    SetLabelText(w.lblToolbar1, TitleText(w.cbPlt->currentIndex(), w.cbPlt->currentText()));
}

void UpdateMonthLabel(const FormWidgets& w, const RedrawState& state, Date date) {
    SetFontPixelSize(w.lblMonthName, state.fonts.month);
    SetTextColor(w.lblMonthName, HeaderColor(w));
    SetLabelText(w.lblMonthName, MonthLabelText(date, YmdFromDate(state.today).year, state.locale));
}

void UpdateWeekdayLabels(const FormWidgets& w, const RedrawState& state) {
    const Color header = HeaderColor(w);
    const std::array<QString, 7> texts = WeekdayLabelTexts(WeekStartOf(w), state.locale);
    for (std::size_t i = 0; i < 7; ++i) {
        SetFontPixelSize(w.lblDOW[i], state.fonts.weekday);
        SetTextColor(w.lblDOW[i], header);
        SetLabelText(w.lblDOW[i], texts[i]);
    }
}

void PaintCells(const FormWidgets& w, const RedrawState& state) {
    const ColorSettings& colors = state.colors;
    for (TRectangle* rect : w.form->findChildren<TRectangle*>()) {
        const int tag = Tag(rect);
        const Color fill = tag >= 0 && tag < kCellCount ? CellFillColor(tag, state.view, colors)
                                                        : colors.background;
        rect->setFill(fill);
        rect->setStrokeThickness(tag == -2 ? 0.0f : kThinStroke);
        rect->setStroke(BorderColorFor(fill));
    }
    for (TText* text : w.form->findChildren<TText*>()) {
        const int tag = Tag(text);
        if (tag < 0 || tag >= kFirstLegendCell)
            continue;
        const Date date = state.view.cellDates[static_cast<std::size_t>(tag)];
        text->setColor(CellTextColor(tag, date, state.view, colors));
        text->setFontSize(state.fonts.day);
        text->setAlignment(Qt::AlignCenter);
        text->setBold(true);
        text->setText(QString::number(YmdFromDate(date).day));
        DescribeCell(w.gR[static_cast<std::size_t>(tag)], tag, date, state);
    }
    // The Help tab has no panel of its own; its page takes the background so every tab does.
    SetBackgroundColor(w.tabHelp, colors.background);

    struct Legend {
        std::size_t cell;
        Color color;
        const char* text;
        const char* accessibleName;
    };
    for (const Legend& legend : {Legend{40, colors.work, "Wk", "Legend: work days"},
                                 Legend{41, colors.off, "OD", "Legend: off-duty days"}}) {
        TText* text = w.gT[legend.cell];
        text->setFontSize(LegendFontSize(state.fonts.day));
        text->setColor(legend.color);
        text->setText(QString::fromLatin1(legend.text));
        text->setBold(true);
        w.gR[legend.cell]->setStrokeThickness(kThinStroke);
        SetAccessibleName(w.gR[legend.cell], QString::fromLatin1(legend.accessibleName));
    }
}

void UpdateStatusLine(const FormWidgets& w, const RedrawState& state) {
    // The Today button has no tint of its own, and no tint is dark.
    const Color todayText = ContrastTextColor(colors::Null);
    SetTextColor(w.DateEd, colors::Black);
    if (state.view.shownDate == state.today) {
        SetStateTextColors(w.bToday,
                           {colors::DimGray, colors::DimGray, colors::Blue, colors::DimGray});
        SetFontBold(w.bToday, false);
    } else {
        SetStateTextColors(w.bToday, {todayText, todayText, colors::Blue, todayText});
        SetFontBold(w.bToday, true);
    }
    SetFontPixelSize(w.lblStatus, StatusFontSize(state.layout.footerHeight));
    SetTextColor(w.lblStatus, ContrastTextColor(w.rectFooter->fill()));
    const Date shown = state.view.shownDate;
    const QString status =
        StatusLineText(shown, DutyCodeFor(shown, state.view.anchorDate), state.locale);
    SetLabelText(w.lblStatus, status);
    const QString spoken = QString(status).replace(QLatin1Char('\n'), QLatin1Char(' '));
    SetAccessibleName(w.lblStatus, status.isEmpty() ? QStringLiteral("Selected day")
                                                    : QStringLiteral("Selected day: ") + spoken);
}

void RefreshCalendar(const FormWidgets& w, const RedrawState& state, Date date) {
    UpdateTitle(w, state);
    UpdateMonthLabel(w, state, date);
    UpdateWeekdayLabels(w, state);
    PaintCells(w, state);
    UpdateStatusLine(w, state);
}

} // namespace dutyloop
