#include "ui/calendar/cell_pictures.h"

#include <QPainter>

namespace dutyloop {

namespace {

// A month shows a few dozen looks; the cache is cleared before it grows past a few months' worth.
constexpr qsizetype kMostPictures = 256;

} // namespace

size_t qHash(const CellPictureKey& key, size_t seed) {
    return qHashMulti(seed, key.size.width(), key.size.height(), key.fontPixels, key.text, key.fill,
                      key.textColor, key.border, static_cast<int>(key.font),
                      static_cast<int>(key.change), key.hasNote, key.holiday, key.focusMark);
}

void CellPictures::setContext(qreal pixelRatio, QString context) {
    if (pixelRatio == m_pixelRatio && context == m_context)
        return;
    m_pixelRatio = pixelRatio;
    m_context = std::move(context);
    m_pictures.clear();
}

const QPixmap& CellPictures::picture(const CellPictureKey& key, const Draw& draw) {
    const auto found = m_pictures.constFind(key);
    if (found != m_pictures.constEnd())
        return *found;
    if (m_pictures.size() >= kMostPictures)
        m_pictures.clear();
    QPixmap picture(key.size * m_pixelRatio);
    picture.setDevicePixelRatio(m_pixelRatio);
    {
        QPainter painter(&picture);
        draw(painter, QRect(QPoint(0, 0), key.size));
    }
    return *m_pictures.insert(key, std::move(picture));
}

} // namespace dutyloop
