#pragma once

#include <QString>

namespace dutyloop::bench {

// One line of the table: a figure of Dutyloop, the same figure of the baseline measured in the
// same run, their ratio and the ratio aimed at. A missed target is reported, never failed.
struct Row {
    QString figure;
    QString dutyloop;
    QString baseline;
    double ratio = 0;
    double target = 0;
};

void PrintHeader();
void PrintRow(const Row& row);
// A note under the table, e.g. the spread of the samples behind a figure.
void PrintNote(const QString& note);

QString Milliseconds(double ms);
QString Megabytes(double kilobytes);

} // namespace dutyloop::bench
