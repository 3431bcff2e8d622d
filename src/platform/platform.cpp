#include "platform/platform.h"

#include "platform/desktop_notifications.h"

#include <QDesktopServices>
#include <QTimeZone>

namespace dutyloop {

Platform SystemPlatform() {
    Platform platform;
    platform.today = [] { return QDate::currentDate(); };
    platform.locale = QLocale::system();
    platform.configFolder = UserConfigFolder();
    platform.documentsFolder = DocumentsFolder();
    // Whether a handler opened the link or not, the program goes on as it was.
    platform.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    platform.now = [] {
        return QDateTime::currentDateTime().toTimeZone(QTimeZone::systemTimeZone());
    };
    platform.notify = ShowDesktopNotification;
    return platform;
}

bool WriteFileOrShowError(const Platform& platform, QWidget* window, const QString& path,
                          const QByteArray& bytes) {
    const FileWrite write = WriteFileAtomicallyWithReason(path, bytes, platform.writeFault);
    if (!write.written)
        platform.showError(window, UnableToWriteMessage(path, write.reason));
    return write.written;
}

Platform FixedPlatform(QDate today, QLocale locale, QString configFolder) {
    Platform platform;
    platform.today = [today] { return today; };
    platform.locale = std::move(locale);
    platform.documentsFolder = configFolder;
    platform.configFolder = std::move(configFolder);
    platform.openUrl = [](const QUrl&) {};
    platform.showError = [](QWidget*, const QString&) {};
    platform.now = [today] { return QDateTime(today, QTime(12, 0), QTimeZone::utc()); };
    platform.notify = [](const QString&) {};
    return platform;
}

} // namespace dutyloop
