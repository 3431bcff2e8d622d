#include "app/toolkit/t_color_combo_box.h"

#include "settings/named_colors.h"

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVariant>

#include <algorithm>

namespace dutyloop {

namespace {

constexpr int kNullIndex = 147;
constexpr int kMaxVisibleItems = 12;

// A small square of the colour with a dark border; a colour that is not opaque sits on a
// checkerboard, so the transparent "Null" is told apart from White.
QIcon SwatchIcon(Color color, QSize size, qreal pixelRatio) {
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect box(0, 0, size.width() - 1, size.height() - 1);
    if (qAlpha(color) != 0xFF) {
        const int square = std::max(size.width() / 4, 2);
        for (int y = 0; y < size.height(); y += square) {
            for (int x = 0; x < size.width(); x += square) {
                const bool dark = ((x / square) + (y / square)) % 2 != 0;
                painter.fillRect(QRect(x, y, square, square),
                                 dark ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
            }
        }
    }
    painter.fillRect(box, QColor::fromRgba(color));
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

TColorComboBox::TColorComboBox(QWidget* parent) : TComboBox(parent) {
    setMaxVisibleItems(kMaxVisibleItems);
    const QSize swatch = iconSize();
    const qreal pixelRatio = devicePixelRatioF();
    for (const NamedColor& entry : ColorList()) {
        addItem(SwatchIcon(entry.color, swatch, pixelRatio),
                QString::fromLatin1(entry.name.data(), static_cast<qsizetype>(entry.name.size())),
                QVariant::fromValue<uint>(entry.color));
    }
    setCurrentIndex(kNullIndex);
}

Color TColorComboBox::color() const {
    // currentIndex() -1 has no data, which reads as 0: Null.
    return currentData().toUInt();
}

void TColorComboBox::setColor(Color color) {
    for (int i = 0; i < count(); ++i) {
        const QVariant value = itemData(i);
        // All 32 bits count: a colour with another alpha is another colour.
        if (value.isValid() && value.toUInt() == color) {
            setCurrentIndex(i);
            return;
        }
    }
}

} // namespace dutyloop
