#pragma once

#include "calendar/month_page.h"

#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace dutyloop {

// What a day cell's pixels depend on: the drawn parts of its look and how it is shown.
struct CellPictureKey {
    QSize size; // cells of one grid differ by a pixel where their edges round apart
    float fontPixels = 0.0f;
    QString text;
    QRgb fill = 0;
    QRgb textColor = 0;
    QRgb border = 0;
    CellFont font = CellFont::DayNumber;
    DayChangeKind change = DayChangeKind::AsRostered;
    bool hasNote = false;
    bool holiday = false;
    bool focusMark = false;
    friend bool operator==(const CellPictureKey&, const CellPictureKey&) = default;
};

size_t qHash(const CellPictureKey& key, size_t seed = 0);

// The cells drawn once and copied after: a key press shows the same few dozen looks again, and
// drawing a day's number lays out and shapes its text every time. A copy at a whole-pixel offset
// of a cell painted over its own opaque fill gives the very pixels of drawing it in place.
class CellPictures {
public:
    using Draw = std::function<void(QPainter& painter, const QRect& bounds)>;

    // Everything that is alike for all cells of every paint but a change of the look: the pixel
    // density, and the font's family, the direction and the highlight colour as `context` names
    // them. A change of any of it starts afresh.
    void setContext(qreal pixelRatio, QString context);

    // The cell's pixels, drawn by `draw` the first time they are asked for.
    const QPixmap& picture(const CellPictureKey& key, const Draw& draw);

private:
    qreal m_pixelRatio = 1.0;
    QString m_context;
    QHash<CellPictureKey, QPixmap> m_pictures;
};

} // namespace dutyloop
