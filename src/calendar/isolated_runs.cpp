#include "calendar/isolated_runs.h"

#include <QCoreApplication>

namespace dutyloop {

QString LeftToRightRun(const QString& run, bool rightToLeft) {
    if (!rightToLeft || run.isEmpty())
        return run;
    // LEFT-TO-RIGHT ISOLATE … POP DIRECTIONAL ISOLATE: inside, the run reads from left to
    // right; outside, it counts as one neutral mark that takes its place in the sentence.
    return QChar(0x2066) + run + QChar(0x2069);
}

QString LeftToRightRun(const QString& run, const LocaleSettings& locale) {
    return LeftToRightRun(run, locale.rightToLeft);
}

QString NumberText(qint64 number, const LocaleSettings& locale) {
    return LeftToRightRun(locale.locale.toString(number), locale);
}

QString YearText(int year, const LocaleSettings& locale) {
    QLocale plain = locale.locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(year);
}

QString CountText(const char* context, const char* source, int count,
                  const LocaleSettings& locale) {
    // Qt picks the plural form by the count and writes the count with Latin digits, the only
    // number in a counted text; it is written again as the rest of the window writes numbers.
    QString text = QCoreApplication::translate(context, source, nullptr, count);
    const QString latin = QString::number(count);
    const QString shown = NumberText(count, locale);
    const qsizetype at = text.indexOf(latin);
    if (shown != latin && at >= 0)
        text.replace(at, latin.size(), shown);
    return text;
}

} // namespace dutyloop
