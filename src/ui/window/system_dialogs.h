#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace dutyloop {

// The error box: a message with an OK button, its text shown as it is, never as markup, since
// it holds paths and names that the user chose.
void ShowErrorBox(QWidget* window, const QString& message);

// Asked as the window closes with settings changed and not saved: Save, Discard or Cancel.
QMessageBox::StandardButton AskToSaveBeforeClosing(QWidget* window);

// The system's save dialog, which asks before it lets a file be replaced.
QString AskForSaveFile(QWidget* window, const QString& title, const QString& proposed,
                       const QString& filter);

// The system's open dialog.
QString AskForFileToOpen(QWidget* window, const QString& title, const QString& folder,
                         const QString& filter);

// The system's folder dialog.
QString AskForFolder(QWidget* window, const QString& title, const QString& folder);

} // namespace dutyloop
