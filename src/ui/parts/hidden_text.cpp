#include "ui/parts/hidden_text.h"

#include <QAccessible>
#include <QLineEdit>

namespace dutyloop {

namespace {

QAccessible::UpdateHandler g_next = nullptr;

void Screen(QAccessibleEvent* event);

// To the handler that was there before, or, where there was none, to the platform's bridge,
// which Qt reaches itself only while no handler is installed.
void Pass(QAccessibleEvent* event) {
    if (g_next) {
        g_next(event);
        return;
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&Screen);
}

QString Stars(const QString& text) {
    return QString(text.size(), QLatin1Char('*'));
}

bool HidesItsText(QObject* object) {
    const auto* field = qobject_cast<QLineEdit*>(object);
    return field && field->echoMode() != QLineEdit::Normal;
}

void Screen(QAccessibleEvent* event) {
    if (!HidesItsText(event->object())) {
        Pass(event);
        return;
    }
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* typed = static_cast<QAccessibleTextInsertEvent*>(event);
        QAccessibleTextInsertEvent hidden(event->object(), typed->changePosition(),
                                          Stars(typed->textInserted()));
        Pass(&hidden);
        return;
    }
    case QAccessible::TextRemoved: {
        const auto* erased = static_cast<QAccessibleTextRemoveEvent*>(event);
        QAccessibleTextRemoveEvent hidden(event->object(), erased->changePosition(),
                                          Stars(erased->textRemoved()));
        Pass(&hidden);
        return;
    }
    case QAccessible::TextUpdated: {
        const auto* changed = static_cast<QAccessibleTextUpdateEvent*>(event);
        QAccessibleTextUpdateEvent hidden(event->object(), changed->changePosition(),
                                          Stars(changed->textRemoved()),
                                          Stars(changed->textInserted()));
        Pass(&hidden);
        return;
    }
    default:
        Pass(event);
    }
}

} // namespace

void HideHiddenTextFromScreenReaders() {
    // Where another handler has come in since, it is passed the events in turn.
    const QAccessible::UpdateHandler before = QAccessible::installUpdateHandler(&Screen);
    if (before != &Screen)
        g_next = before;
}

} // namespace dutyloop
