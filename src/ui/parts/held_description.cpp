#include "ui/parts/held_description.h"

#include <QEvent>
#include <QString>
#include <QWidget>

namespace dutyloop {

namespace {

// The description a widget takes once the focus leaves it.
class HeldDescription : public QObject {
    Q_OBJECT
public:
    explicit HeldDescription(QWidget* widget) : QObject(widget), m_widget(widget) {
        widget->installEventFilter(this);
    }

    void describe(const QString& description, UnderFocus underFocus) {
        m_held = description;
        // The focus it has, or that comes back to it with its window, as a dialog closes.
        const bool focused = m_widget->window()->focusWidget() == m_widget;
        if (underFocus == UnderFocus::Change || !focused)
            apply();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_widget && event->type() == QEvent::FocusOut)
            apply();
        return false;
    }

private:
    void apply() {
        if (m_widget->accessibleDescription() != m_held)
            m_widget->setAccessibleDescription(m_held);
    }

    QWidget* m_widget;
    QString m_held;
};

} // namespace

void Describe(QWidget* widget, const QString& description, UnderFocus underFocus) {
    auto* held = widget->findChild<HeldDescription*>(QString(), Qt::FindDirectChildrenOnly);
    if (!held)
        held = new HeldDescription(widget);
    held->describe(description, underFocus);
}

} // namespace dutyloop

#include "held_description.moc"
