#include "ui/parts/state_text_colors.h"

#include <QAbstractButton>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QToolButton>
#include <QVariant>

namespace dutyloop {

namespace {

constexpr const char* kColorsProperty = "StateTextColors";

QString CssColor(QRgb color) {
    // rgba() with an integer alpha keeps all 32 bits; a #RRGGBB name would drop the alpha.
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg((color >> 16) & 0xFFu)
        .arg((color >> 8) & 0xFFu)
        .arg(color & 0xFFu)
        .arg((color >> 24) & 0xFFu);
}

QString SelectorFor(const QAbstractButton* button) {
    if (qobject_cast<const QToolButton*>(button) != nullptr) {
        return QStringLiteral("QToolButton");
    }
    if (qobject_cast<const QPushButton*>(button) != nullptr) {
        return QStringLiteral("QPushButton");
    }
    return QStringLiteral("QAbstractButton");
}

QString StyleSheetFor(const QAbstractButton* button, const StateTextColors& colors,
                      bool greyedWhenDisabled) {
    const QString selector = SelectorFor(button);
    // Only "color" is set, so the button keeps its native look and the font the window gave
    // it. The rules share one specificity, so the later wins: pressed is last so it shows
    // while the button is held, even when it is also hovered and focused.
    QString sheet = QStringLiteral("%1{color:%2} %1:hover{color:%3} %1:focus{color:%4} "
                                   "%1:pressed{color:%5}")
                        .arg(selector, CssColor(colors.normal), CssColor(colors.hover),
                             CssColor(colors.focused), CssColor(colors.pressed));
    // A button that cannot be pressed is greyed, as the style greys it without a sheet. The rule
    // is given only to a button that can be disabled: with it, Qt's raster engine hands the
    // button's frame to its thread pool on every paint, which costs more than the paint.
    if (greyedWhenDisabled)
        sheet += QStringLiteral(" %1:disabled{color:rgba(128,128,128,255)}").arg(selector);
    return sheet;
}

StateTextColors ColorsFrom(const QVariant& property) {
    StateTextColors colors;
    const QVariantList stored = property.toList();
    if (stored.size() == 4) {
        colors.normal = stored.at(0).toUInt();
        colors.hover = stored.at(1).toUInt();
        colors.pressed = stored.at(2).toUInt();
        colors.focused = stored.at(3).toUInt();
    }
    return colors;
}

} // namespace

void SetStateTextColors(QAbstractButton* button, const StateTextColors& colors,
                        bool greyedWhenDisabled) {
    // Called on every redraw: setting an equal property or style sheet would still repolish
    // the button, and even building the style sheet to compare costs more than the rest of a
    // redraw's header. Colours already given have their style sheet in place.
    const QVariant current = button->property(kColorsProperty);
    if (current.isValid() && ColorsFrom(current) == colors && !button->styleSheet().isEmpty()) {
        return;
    }
    if (ColorsFrom(current) != colors || !current.isValid()) {
        const QVariantList stored{
            QVariant::fromValue<uint>(colors.normal), QVariant::fromValue<uint>(colors.hover),
            QVariant::fromValue<uint>(colors.pressed), QVariant::fromValue<uint>(colors.focused)};
        button->setProperty(kColorsProperty, stored);
    }
    const QString sheet = StyleSheetFor(button, colors, greyedWhenDisabled);
    if (button->styleSheet() != sheet) {
        button->setStyleSheet(sheet);
    }
}

} // namespace dutyloop
