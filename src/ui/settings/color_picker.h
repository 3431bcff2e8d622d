#pragma once

#include "settings/colors.h"
#include "ui/settings/closing_combo_box.h"

#include <QLocale>

namespace dutyloop {

// The colour picker: the named colours, each with a swatch and its name in the language of
// `locale`, in that language's alphabetical order, and Null last. The entries carry their
// colour, never their place in the list: what is picked or stored is the colour.
class ColorPicker : public ClosingComboBox {
    Q_OBJECT
public:
    ColorPicker(const QLocale& locale, QWidget* parent);

    // The selected entry's colour; Null (0) when nothing is selected.
    QRgb color() const;
    // Selects the first entry of that value; a value no entry has keeps the selection.
    void setColor(QRgb color);
};

} // namespace dutyloop
