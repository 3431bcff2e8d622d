#pragma once

#include <QComboBox>

namespace dutyloop {

// A combo box that also reports when its drop-down list closes, chosen or not.
class ClosingComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ClosingComboBox(QWidget* parent);

    void showPopup() override;
    void hidePopup() override;

signals:
    void listClosed();

private:
    bool m_popupOpen = false;
};

} // namespace dutyloop
