#include "app/startup.h"

#include "app/main_form.h"
#include "app/platform/platform.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace dutyloop {

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_quitting) {
            m_quitting = true;
            // Quit once this paint has finished, not in the middle of it.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_quitting = false;
};

} // namespace

int RunApplication(int& argc, char** argv, StartupOptions options) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Dutyloop"));
    QApplication::setOrganizationName(QStringLiteral("Halvorne"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));

    TMainForm mainForm(SystemPlatform());
    QuitAfterFirstPaint quitter;
    if (options.quitAfterFirstPaint)
        mainForm.installEventFilter(&quitter);
    mainForm.show();
    return QApplication::exec();
}

} // namespace dutyloop
