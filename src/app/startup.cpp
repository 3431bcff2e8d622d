#include "app/startup.h"

#include "app/main_form.h"
#include "app/platform/platform.h"
#include "app/quit_after_first_paint.h"

#include <QApplication>

namespace dutyloop {

int RunApplication(int& argc, char** argv, StartupOptions options) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dutyloop"));
    QApplication::setOrganizationName(QStringLiteral("Halvorne"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));

    if (options.quitAfterFirstPaint)
        QuitAfterFirstPaint(&app);
    TMainForm mainForm(SystemPlatform());
    mainForm.show();
    return QApplication::exec();
}

} // namespace dutyloop
