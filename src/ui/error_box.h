#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QString>

class QWidget;

namespace dutyloop {

// The error box: a message with an OK button, its text shown as it is, never as markup, since
// it holds paths and names that the user chose.
void ShowErrorBox(QWidget* window, const QString& message);

// Every file the window writes is written here: the whole file in one step, and on failure
// "Unable to write to <path>." in the error box. True when the file now holds `bytes`.
bool WriteFileOrShowError(const Platform& platform, QWidget* window, const QString& path,
                          const QByteArray& bytes);

} // namespace dutyloop
