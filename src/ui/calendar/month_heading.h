#pragma once

#include <QLabel>

namespace dutyloop {

// The month between its arrows, and the month's counts (work days, hours, holidays on duty) as
// its tooltip and, for a screen reader, its description. The Tab key stops on it, where the
// counts show as the tooltip and a screen reader reads them after the month, a heading: Orca
// reads no label's description.
class MonthHeading : public QLabel {
    Q_OBJECT
public:
    explicit MonthHeading(QWidget* parent);

    void showCounts(const QString& counts);

signals:
    // A key that moves the day, as it goes on up to the window that moves it.
    void dayKeyPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void showToolTip();
};

} // namespace dutyloop
