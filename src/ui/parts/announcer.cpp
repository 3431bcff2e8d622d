#include "ui/parts/announcer.h"

#include "ui/parts/accessible_role.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace dutyloop {

namespace {

// The list's entry as its description, taken again as the focus comes to it.
class ChoiceReader : public QObject {
public:
    explicit ChoiceReader(QComboBox* list) : QObject(list), m_list(list) {
        list->installEventFilter(this);
        describe();
    }

    void describe() {
        if (m_list->accessibleDescription() != m_list->currentText())
            m_list->setAccessibleDescription(m_list->currentText());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_list && event->type() == QEvent::FocusIn)
            describe();
        return false;
    }

private:
    QComboBox* m_list;
};

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcer"));
    SetAccessibleRole(this, QAccessible::StatusBar);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    m_notice = new QWidget(this);
    m_notice->setObjectName(QStringLiteral("announcement"));
    SetAccessibleRole(m_notice, QAccessible::Notification);
    m_notice->setFocusPolicy(Qt::NoFocus);
    m_notice->setGeometry(0, 0, 0, 0);
    // Shown only for a moment: a page coming into view would else show it, and say the last
    // message again.
    m_notice->hide();
}

void Announcer::announce(const QString& message) {
    if (!isVisible())
        return;
    m_pending = message;
    // A message that follows a move of the focus comes after what the screen reader says of
    // the focus, which Qt sends when the event loop next runs; a window that comes back when a
    // dialog closes says the message once it is active again, not while it is not.
    if (window()->isActiveWindow())
        QTimer::singleShot(0, this, &Announcer::sayPending);
    else
        window()->installEventFilter(this);
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate) {
        window()->removeEventFilter(this);
        // The focus comes back to its widget after the window is activated, and the screen
        // reader's words on it would cut the message short.
        constexpr int kAfterTheFocusMs = 150;
        QTimer::singleShot(kAfterTheFocusMs, this, &Announcer::sayPending);
    }
    return QWidget::eventFilter(watched, event);
}

void Announcer::sayPending() {
    if (m_pending.isEmpty() || !isVisible())
        return;
    m_notice->setAccessibleName(std::exchange(m_pending, QString()));
    // Coming into view is what a screen reader hears of; it reads the name it finds then.
    m_notice->show();
    m_notice->hide();
}

void ReadOutChoice(QComboBox* list, Announcer* announcer) {
    auto* reader = new ChoiceReader(list);
    QObject::connect(list, &QComboBox::currentIndexChanged, announcer, [list, announcer, reader] {
        reader->describe();
        if (list->hasFocus() && !list->view()->isVisible())
            announcer->announce(list->currentText());
    });
}

} // namespace dutyloop
