#include "quit_after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace dutyloop {

namespace {

class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_quitting) {
            m_quitting = true;
            // Quit once this paint pass has finished, not in the middle of it.
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_quitting = false;
};

} // namespace

void QuitAfterFirstPaint(QCoreApplication* app) {
    // A window's children usually cover it whole, so the first paint of any widget counts.
    app->installEventFilter(new FirstPaintWatcher(app));
}

} // namespace dutyloop
