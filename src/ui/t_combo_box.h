#pragma once

#include <QComboBox>

namespace dutyloop {

// A combo box that reports when its drop-down list closes, chosen or not.
class TComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TComboBox(QWidget* parent);

    void showPopup() override;
    void hidePopup() override;

signals:
    void closePopup();

private:
    bool m_popupOpen = false;
};

} // namespace dutyloop
