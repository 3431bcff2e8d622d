#include "report.h"

#include <cstdio>

namespace dutyloop::bench {

namespace {
constexpr int kFigureWidth = 44;
constexpr int kValueWidth = 12;
} // namespace

void PrintHeader() {
    std::printf("%-*s %*s %*s %8s %8s  %s\n", kFigureWidth, "figure", kValueWidth, "Dutyloop",
                kValueWidth, "baseline", "ratio", "target", "");
    std::printf(
        "%s\n",
        QString(kFigureWidth + 2 * kValueWidth + 22, QLatin1Char('-')).toLatin1().constData());
}

void PrintRow(const Row& row) {
    const bool met = row.ratio <= row.target;
    std::printf("%-*s %*s %*s %7.2fx %7.2fx  %s\n", kFigureWidth, qPrintable(row.figure),
                kValueWidth, qPrintable(row.dutyloop), kValueWidth, qPrintable(row.baseline),
                row.ratio, row.target, met ? "met" : "MISSED");
    std::fflush(stdout);
}

void PrintNote(const QString& note) {
    std::printf("  %s\n", qPrintable(note));
    std::fflush(stdout);
}

QString Milliseconds(double ms) {
    return QString::number(ms, 'f', ms < 10 ? 3 : 1) + QStringLiteral(" ms");
}

QString Megabytes(double kilobytes) {
    return QString::number(kilobytes / 1024.0, 'f', 1) + QStringLiteral(" MiB");
}

} // namespace dutyloop::bench
