#include "ui/window/system_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace dutyloop {

void ShowErrorBox(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Dutyloop"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QMessageBox::StandardButton AskToSaveBeforeClosing(QWidget* window) {
    QMessageBox box(QMessageBox::Warning,
                    QCoreApplication::translate("dutyloop::MainWindow", "Unsaved Settings"),
                    QCoreApplication::translate("dutyloop::MainWindow",
                                                "The settings have been changed but not saved.\n"
                                                "Save them before closing?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    return static_cast<QMessageBox::StandardButton>(box.exec());
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
