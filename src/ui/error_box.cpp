#include "ui/error_box.h"

#include <QMessageBox>

namespace dutyloop {

void ShowErrorBox(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Dutyloop"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WriteFileOrShowError(const Platform& platform, QWidget* window, const QString& path,
                          const QByteArray& bytes) {
    if (WriteFileAtomically(path, bytes, platform.writeFault))
        return true;
    platform.showError(window, UnableToWriteMessage(path));
    return false;
}

} // namespace dutyloop
