#include "ui/parts/spoken_steps.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QDateTimeEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QVariant>

namespace dutyloop {

namespace {

constexpr char kValue[] = "value";

bool IsStepKey(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
           key == Qt::Key_PageDown;
}

// Tells a screen reader of the field's value before the field steps.
class StepTeller : public QObject {
public:
    explicit StepTeller(QAbstractSpinBox* field) : QObject(field), m_field(field) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool step = (event->type() == QEvent::KeyPress &&
                           IsStepKey(static_cast<QKeyEvent*>(event)->key())) ||
                          event->type() == QEvent::Wheel;
        if (watched == m_field && step && !m_field->isReadOnly()) {
            QAccessibleValueChangeEvent told(m_field, m_field->property(kValue));
            QAccessible::updateAccessibility(&told);
        }
        return false;
    }

private:
    QAbstractSpinBox* m_field;
};

void NumberDateTime(QDateTimeEdit* field) {
    field->setProperty(kValue, double(field->dateTime().toSecsSinceEpoch()));
}

} // namespace

void SayEachStep(QAbstractSpinBox* field) {
    new StepTeller(field);
    if (auto* dateTime = qobject_cast<QDateTimeEdit*>(field)) {
        NumberDateTime(dateTime);
        QObject::connect(dateTime, &QDateTimeEdit::dateTimeChanged, dateTime,
                         [dateTime] { NumberDateTime(dateTime); });
    }
}

} // namespace dutyloop
