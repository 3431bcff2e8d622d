#pragma once

#include <QComboBox>

namespace dutyloop {

// A combo box that also reports when its drop-down list closes, chosen or not, and leaves
// Ctrl+Tab to the tabs around it.
class ClosingComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ClosingComboBox(QWidget* parent);

    void showPopup() override;
    void hidePopup() override;

signals:
    void listClosed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_popupOpen = false;
};

} // namespace dutyloop
