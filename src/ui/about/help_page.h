#pragma once

#include "calendar/month_page.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace dutyloop {

class Panel;

// The Help tab: one annotated picture of the Settings tab under a tool bar with Back.
class HelpPage : public QWidget {
    Q_OBJECT
public:
    explicit HelpPage(QWidget* parent);

    void showLook(const TabLook& look);

signals:
    void backRequested();

private:
    Panel* m_toolBarPanel = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_back = nullptr;
};

} // namespace dutyloop
