#pragma once

#include <QString>
#include <QWidget>

class QComboBox;

namespace dutyloop {

// Says a short message to a screen reader without moving the focus: what a key did where the
// focus stays, such as the month a month button went to or the file a save wrote. Qt 6.4 tells
// a screen reader that a name or a description changed but not what it now says, and has no
// announcement of its own; a notification that comes into view is read at once. This widget
// holds that notification: it takes no room, draws nothing and takes no input, and its
// notification comes into view for a moment, named with the message, for each message. Orca
// reads a notification with its role, "notification", before the message, except one within a
// status bar, as a desktop's status messages are; this widget is that status bar.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Said once the window is active, and what follows at once from the same input has been
    // said; nothing is said while the announcer's page is hidden.
    void announce(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayPending();

    QWidget* m_notice = nullptr;
    QString m_pending;
};

// Makes a list's entry heard. Qt 6.4 shows a screen reader neither the entry of a closed list
// nor its change, only that the value changed; Orca reads the list by its label and role and
// finds no value. The entry is the list's description, which Orca reads after them, and a new
// entry chosen with the keys on the closed list is said; an open list is read by its own focus.
// The description is taken again whenever the list gains the focus, so that an entry set while
// the list's signals were blocked, as settings shown at start are, is the one read.
void ReadOutChoice(QComboBox* list, Announcer* announcer);

} // namespace dutyloop
