#pragma once

class QWidget;
class QFont;

namespace dutyloop {

// Font sizes are device-independent pixels and keep their fractions.
void SetFontPixelSize(QWidget* widget, float pixels);
void SetFontPixelSize(QFont& font, float pixels, const QWidget* forWidget);

// Bold on or off, the font's other attributes kept; an unchanged font is not set again.
void SetFontBold(QWidget* widget, bool bold);

} // namespace dutyloop
