#include "ui/window/system_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace dutyloop {

void ShowErrorBox(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Dutyloop"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString AskForSaveFile(QWidget* window, const QString& title, const QString& proposed,
                       const QString& filter) {
    return QFileDialog::getSaveFileName(window, title, proposed, filter);
}

QString AskForFileToOpen(QWidget* window, const QString& title, const QString& folder,
                         const QString& filter) {
    return QFileDialog::getOpenFileName(window, title, folder, filter);
}

QString AskForFolder(QWidget* window, const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(window, title, folder);
}

} // namespace dutyloop
