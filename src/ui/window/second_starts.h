#pragma once

#include <QDate>
#include <QObject>
#include <optional>

namespace dutyloop {

class MainWindow;

// What a later start of the same settings asks of the running window: to come to the front,
// and to show the day it names, if any.
//
// While a dialog of the window (the day's, Export, Print, a message) or a drop-down list is
// open, the window comes to the front with that dialog on top, and the calendar stays where it
// is: the dialog's OK stores the day it shows, and the calendar behind it keeps showing that
// day. The day asked for is not dropped: it is shown once the last dialog has closed, as if the
// start had come then, since the user asked for it and a start that seems to do nothing reads as
// a failure. A later start replaces a day still waiting.
class SecondStarts : public QObject {
    Q_OBJECT
public:
    explicit SecondStarts(MainWindow& window);

    void follow(std::optional<QDate> day);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the waiting day, or goes on waiting while a dialog is still open.
    void showWaitingDay();

    MainWindow& m_window;
    std::optional<QDate> m_waitingDay;
};

} // namespace dutyloop
