#include "ui/startup.h"

#include "platform/product.h"

#include "platform/platform.h"
#include "ui/error_box.h"
#include "ui/main_window.h"
#include "ui/quit_after_first_paint.h"
#include "ui/translations.h"

#include <QApplication>

namespace dutyloop {

int RunApplication(int& argc, char** argv, StartupOptions options) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dutyloop"));
    QApplication::setOrganizationName(QStringLiteral("Halvorne"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));

    if (options.quitAfterFirstPaint)
        QuitAfterFirstPaint(&app);
    Platform platform = SystemPlatform();
    platform.showError = ShowErrorBox;
    // In the language of the locale the window is given; a right-to-left one mirrors it.
    const Translations translations(platform.locale);
    MainWindow window(std::move(platform));
    window.show();
    return QApplication::exec();
}

} // namespace dutyloop
