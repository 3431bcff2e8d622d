#pragma once

#include "platform/command_line.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace dutyloop {

// `dutyloop --print-year`: the crew's year as a PDF file, in the colours and week start of the
// user's settings (found under `configFolder`) and the paper of the locale, written in one step
// so that a failure leaves no part of it. Says what went wrong on the standard error; returns the
// exit code.
int PrintYearToFile(const CommandLine& line, const QLocale& locale, QDate today,
                    const QString& configFolder);

} // namespace dutyloop
