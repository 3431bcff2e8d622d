#include "ui/parts/focus_told_first.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace dutyloop {

namespace {

class FocusDelay : public QObject {
public:
    explicit FocusDelay(QWidget* field) : QObject(field), m_field(field) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_field || event->type() != QEvent::FocusIn || m_handing)
            return false;
        // Qt tells of the focus once this event has been handled; the field's own handling, which
        // moves the cursor, waits until then.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        QTimer::singleShot(0, this, [this, reason] {
            if (!m_field->hasFocus())
                return;
            m_handing = true;
            QFocusEvent later(QEvent::FocusIn, reason);
            QCoreApplication::sendEvent(m_field, &later);
            m_handing = false;
        });
        return true;
    }

private:
    QWidget* m_field;
    bool m_handing = false;
};

} // namespace

void TellFocusFirst(QWidget* field) {
    new FocusDelay(field);
}

} // namespace dutyloop
