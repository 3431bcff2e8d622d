#pragma once

#include <QString>
#include <QWidget>

namespace dutyloop {

// Says a short message to a screen reader without moving the focus: what a key did where the
// focus stays, such as the month a month button went to or the file a save wrote. Qt 6.4 tells
// a screen reader that a name or a description changed but not what it now says, and has no
// announcement of its own; a notification that comes into view is read at once. This widget is
// that notification: it takes no room, draws nothing and takes no input, and comes into view
// for a moment, named with the message, for each message.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Nothing is said while the window is hidden.
    void announce(const QString& message);
};

} // namespace dutyloop
