#include "ui/settings/color_picker.h"

#include "settings/named_colors.h"

#include <QCollator>
#include <QColor>
#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QRect>
#include <QSize>
#include <QStandardItemModel>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <span>

namespace dutyloop {

namespace {

constexpr int kMaxVisibleItems = 12;

struct ShownColor {
    QString name;
    QRgb color;
};

// The named colours as the user reads them: in the user's language and sorted as that language
// sorts, with Null, which is no colour at all, at the end. Where a language has one word for two
// spellings of the same colour (German "Grau" for both Gray and Grey), the word shows once.
QList<ShownColor> ShownColors(const QLocale& locale) {
    const std::span<const NamedColor> named = ColorList();
    QList<ShownColor> shown;
    shown.reserve(static_cast<qsizetype>(named.size()));
    for (const NamedColor& entry : named) {
        const QByteArray source(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
        shown.append({QCoreApplication::translate("ColorName", source.constData()), entry.color});
    }
    const ShownColor null = shown.takeLast();
    QCollator collator(locale);
    std::stable_sort(shown.begin(), shown.end(), [&](const ShownColor& a, const ShownColor& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    const auto same = [](const ShownColor& a, const ShownColor& b) {
        return a.name == b.name && a.color == b.color;
    };
    shown.erase(std::unique(shown.begin(), shown.end(), same), shown.end());
    shown.append(null);
    return shown;
}

// A small square of the colour with a dark border; a colour that is not opaque sits on a
// checkerboard, so the transparent "Null" is told apart from White.
QIcon SwatchIcon(QRgb color, QSize size, qreal pixelRatio) {
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

// The picker's entries. The picker lives on the Settings tab and most of its 148 swatches are
// never seen, so each is painted the first time something asks for it, not at start-up.
class SwatchModel : public QStandardItemModel {
public:
    SwatchModel(QSize swatch, qreal pixelRatio, QObject* parent)
        : QStandardItemModel(parent), m_swatch(swatch), m_pixelRatio(pixelRatio) {}

    QVariant data(const QModelIndex& index, int role) const override {
        QVariant value = QStandardItemModel::data(index, role);
        if (role != Qt::DecorationRole || value.isValid() || !index.isValid())
            return value;
        const QVariant color = QStandardItemModel::data(index, Qt::UserRole);
        if (!color.isValid())
            return value;
        const QRgb swatchColor = color.toUInt();
        auto cached = m_swatches.constFind(swatchColor);
        if (cached == m_swatches.constEnd())
            cached =
                m_swatches.insert(swatchColor, SwatchIcon(swatchColor, m_swatch, m_pixelRatio));
        return *cached;
    }

private:
    QSize m_swatch;
    qreal m_pixelRatio;
    mutable QHash<QRgb, QIcon> m_swatches;
};

// Styles such as Fusion open a combo box's list as a menu as tall as the screen allows; the
// picker's 148 entries read better as a drop-down of a dozen rows that scrolls.
class ScrollingDropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

ColorPicker::ColorPicker(const QLocale& locale, QWidget* parent) : ClosingComboBox(parent) {
    auto* style = new ScrollingDropDownStyle;
    style->setParent(this);
    setStyle(style);
    setMaxVisibleItems(kMaxVisibleItems);
    setModel(new SwatchModel(iconSize(), devicePixelRatioF(), this));
    // Every entry is one line of the same font beside a swatch of the same size: the list takes
    // its entries' size from the first one instead of asking all 148, swatches and all, as soon
    // as the window starts.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    for (const ShownColor& entry : ShownColors(locale))
        addItem(entry.name, QVariant::fromValue<uint>(entry.color));
    setCurrentIndex(count() - 1);
}

QRgb ColorPicker::color() const {
    // currentIndex() -1 has no data, which reads as 0: Null.
    return currentData().toUInt();
}

void ColorPicker::setColor(QRgb color) {
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
