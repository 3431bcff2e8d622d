#pragma once

#include "settings/colors.h"
#include "ui/settings/closing_combo_box.h"

namespace dutyloop {

// The colour picker: the named colours in their fixed order, each with a swatch and its name.
class ColorPicker : public ClosingComboBox {
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent);

    // The selected entry's colour; Null (0) when nothing is selected.
    QRgb color() const;
    // Selects the first entry of that value; a value no entry has keeps the selection.
    void setColor(QRgb color);
};

} // namespace dutyloop
