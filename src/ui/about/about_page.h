#pragma once

#include "calendar/month_page.h"

#include <QUrl>
#include <QWidget>

class QLabel;
class QToolButton;

namespace dutyloop {

class Panel;

// The About tab: the product text over a faint picture, and the two support links.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent);

    void showLook(const TabLook& look);

signals:
    void backRequested();
    void linkActivated(const QUrl& link);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showProductText();

    Panel* m_toolBarPanel = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_back = nullptr;
    Panel* m_textPanel = nullptr;
    QLabel* m_text = nullptr;
    QWidget* m_textReader = nullptr;
    Panel* m_linksPanel = nullptr;
    QToolButton* m_supportPage = nullptr;
    QToolButton* m_supportMail = nullptr;
};

} // namespace dutyloop
