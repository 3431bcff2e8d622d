#include "ui/parts/left_to_right_entries.h"

#include "calendar/isolated_runs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace dutyloop {

namespace {

// Paints the closed box as QComboBox does, its entry one left-to-right run; only where the box
// reads from right to left, so that elsewhere the box paints itself.
class LeftToRightLabel : public QObject {
public:
    explicit LeftToRightLabel(QComboBox* box) : QObject(box), m_box(box) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_box || event->type() != QEvent::Paint || !m_box->isRightToLeft() ||
            m_box->isEditable())
            return false;
        QStylePainter painter(m_box);
        painter.setPen(m_box->palette().color(QPalette::Text));
        QStyleOptionComboBox option;
        option.initFrom(m_box);
        option.frame = m_box->hasFrame();
        if (m_box->hasFocus())
            option.state |= QStyle::State_Selected;
        if (m_box->view()->isVisible())
            option.state |= QStyle::State_On;
        option.subControls = QStyle::SC_All;
        option.currentText = LeftToRightRun(m_box->currentText(), true);
        option.currentIcon = m_box->itemIcon(m_box->currentIndex());
        option.iconSize = m_box->iconSize();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return true;
    }

private:
    QComboBox* m_box;
};

// Draws each entry of the drop-down list as one left-to-right run.
class LeftToRightItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = LeftToRightRun(option->text, true);
    }
};

} // namespace

void ShowEntriesLeftToRight(QComboBox* box) {
    box->installEventFilter(new LeftToRightLabel(box));
    // The style's own drawing of the list takes the entries' text as it stands; where the window
    // reads from left to right, it is left to draw them as always.
    if (box->isRightToLeft())
        box->setItemDelegate(new LeftToRightItems(box));
}

} // namespace dutyloop
