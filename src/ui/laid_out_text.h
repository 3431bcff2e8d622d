#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

namespace dutyloop {

// A text laid out once, exactly as QPainter::drawText(rect, flags, text) lays it out on every
// call, so a text that is drawn again and again (a day number on every redraw) is shaped and
// broken into lines only when it changes. The same pixels as drawText, at the same places.
class LaidOutText {
public:
    // `flags` are alignment flags; `direction` is the painter's layout direction.
    LaidOutText(const QString& text, const QFont& font, const QPaintDevice* device,
                const QRectF& rect, int flags, Qt::LayoutDirection direction);

    void draw(QPainter& painter) const;

    // Whether this layout still answers for a painter in that direction on the device it was
    // made for: at another resolution the font takes another size. A window's own repaint
    // paints left to right, a render into an image in the direction of the text; for a text
    // that reads left to right the two are one.
    bool laidOutFor(Qt::LayoutDirection direction) const;

private:
    // drawText's own way, for the rare texts whose lines it places in ways of its own.
    bool m_drawnByDrawText = false;
    QString m_text;
    QFont m_font;
    int m_flags = 0;

    std::unique_ptr<QTextLayout> m_layout;
    std::vector<QPointF> m_lineOrigins;
    QRectF m_rect;
    bool m_clip = false;
    const QPaintDevice* m_device = nullptr;
    int m_dpi = 0;
    Qt::LayoutDirection m_direction = Qt::LayoutDirectionAuto; // as laidOutFor compares it
    bool m_rightToLeftText = false;
};

} // namespace dutyloop
