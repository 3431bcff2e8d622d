#pragma once

#include <QRgb>
#include <QWidget>

class QLabel;
class QPushButton;

namespace dutyloop {

// Under the Publish button: where publishing stands, in a line of its own, and beside it what
// the user can do about changes that wait, try again now or enter the password the server
// refused. Unseen while nothing is published.
class PublishStateRow : public QWidget {
    Q_OBJECT
public:
    enum class Action { None, TryAgain, EnterPassword };

    explicit PublishStateRow(QWidget* parent);

    // The line and the button beside it; an empty line hides the row. `said` where the change is
    // told to a screen reader in words of its own, which the button, where it has the focus,
    // does not repeat.
    void showState(const QString& text, Action action, bool said);
    QString text() const;
    // The line's colour, which stands on the tab's background; the button keeps its own.
    void setTextColor(QRgb color);

signals:
    void tryAgainRequested();
    void passwordRequested();

private:
    QLabel* m_text = nullptr;
    QPushButton* m_action = nullptr;
    Action m_shownAction = Action::None;
};

} // namespace dutyloop
