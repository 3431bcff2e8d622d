#include "calendar/cell_descriptions.h"

#include "calendar/isolated_runs.h"
#include "schedule/crew.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace dutyloop {

QString LongDateText(QDate date, const LocaleSettings& locale) {
    // It starts the tooltip, the screen reader's name of the day and the day's dialog.
    return CapitalizedFirst(locale.locale.toString(date, QLocale::LongFormat), locale);
}

QString CellAccessibleName(QDate date, DutyCode code, const LocaleSettings& locale) {
    return CellAccessibleName(LongDateText(date, locale), code);
}

QString CellAccessibleName(const QString& day, DutyCode code) {
    switch (code) {
    case DutyCode::Work:
        return QCoreApplication::translate("Calendar", "%1, work day").arg(day);
    case DutyCode::Off:
        return QCoreApplication::translate("Calendar", "%1, off duty").arg(day);
    case DutyCode::NoRotation:
        break;
    }
    return day;
}

QStringList CrewsOnDuty(QDate date) {
    QStringList crews;
    for (const Crew& crew : Crews()) {
        if (DutyCodeFor(date, crew.anchor) == DutyCode::Work)
            crews << crew.entry;
    }
    return crews;
}

QString CrewsOnDutyText(QDate date, const LocaleSettings& locale) {
    QStringList crews = CrewsOnDuty(date);
    for (QString& crew : crews)
        crew = LeftToRightRun(crew, locale);
    if (!crews.isEmpty())
        return QCoreApplication::translate("Calendar", "On duty: %1")
            .arg(crews.join(QStringLiteral(", ")));
    for (const Crew& crew : Crews()) {
        if (DutyCodeFor(date, crew.anchor) != DutyCode::NoRotation)
            return QCoreApplication::translate("Calendar", "No crew on duty");
    }
    return QCoreApplication::translate("Calendar", "No rotation");
}

namespace {

// The longest run of characters a tooltip line holds without a place to break it.
constexpr int kLongestUnbrokenRun = 20;

// The line with a zero-width space, a place to break, after every kLongestUnbrokenRun whole
// characters (grapheme clusters) that follow each other without a blank.
QString WithBreakOpportunities(const QString& line) {
    QString broken;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    qsizetype start = 0;
    int run = 0;
    while (graphemes.toNextBoundary() >= 0) {
        const qsizetype end = graphemes.position();
        const QStringView grapheme = QStringView(line).sliced(start, end - start);
        if (grapheme.front().isSpace()) {
            run = 0;
        } else if (run == kLongestUnbrokenRun) {
            broken += QChar(0x200B);
            run = 1;
        } else {
            ++run;
        }
        broken += grapheme;
        start = end;
    }
    return broken;
}

} // namespace

QString WrappedToolTip(const QString& toolTip) {
    const QStringList lines = toolTip.split(QLatin1Char('\n'));
    if (std::all_of(lines.begin(), lines.end(),
                    [](const QString& line) { return line.size() <= kToolTipLineCharacters; }))
        return toolTip;
    QStringList shown;
    for (const QString& line : lines)
        shown << WithBreakOpportunities(line).toHtmlEscaped();
    return QStringLiteral("<p style='white-space:pre-wrap'>%1</p>")
        .arg(shown.join(QStringLiteral("<br>")));
}

QString CellToolTip(QDate date, const LocaleSettings& locale) {
    return CellToolTip(LongDateText(date, locale), date, locale);
}

QString CellToolTip(const QString& longDate, QDate date, const LocaleSettings& locale) {
    return longDate + QLatin1Char('\n') + CrewsOnDutyText(date, locale);
}

} // namespace dutyloop
