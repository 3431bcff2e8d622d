#include "app/platform/platform.h"

#include "app/platform/file_services.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace dutyloop {

Platform SystemPlatform() {
    Platform platform;
    platform.today = [] { return QDate::currentDate(); };
    platform.locale = QLocale::system();
    platform.configFolder = UserConfigFolder();
    // Whether a handler opened the link or not, the program goes on as it was.
    platform.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    platform.showError = [](QWidget* window, const QString& message) {
        QMessageBox::critical(window, QStringLiteral("Dutyloop"), message);
    };
    return platform;
}

Platform FixedPlatform(QDate today, QLocale locale, QString configFolder) {
    Platform platform;
    platform.today = [today] { return today; };
    platform.locale = std::move(locale);
    platform.configFolder = std::move(configFolder);
    platform.openUrl = [](const QUrl&) {};
    platform.showError = [](QWidget*, const QString&) {};
    return platform;
}

} // namespace dutyloop
