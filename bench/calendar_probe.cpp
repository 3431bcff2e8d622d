// The yardstick for the start-up: a bare QCalendarWidget at the window's size, shown and
// painted once, then the process ends, as startup_probe does with the real window.
//
// Its children cover the calendar widget whole, so it gets no paint event of its own: the
// first paint of any widget counts, and the quit waits until that paint pass is done.

#include <QApplication>
#include <QCalendarWidget>
#include <QEvent>
#include <QTimer>

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_quitting) {
            m_quitting = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_quitting = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCalendarWidget calendar;
    calendar.resize(350, 640);
    QuitAfterFirstPaint quitter;
    app.installEventFilter(&quitter);
    calendar.show();
    return QApplication::exec();
}
