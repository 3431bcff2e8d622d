#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace dutyloop {

// A vector picture fitted into the widget with its aspect ratio kept and centred, so it is
// sharp at any size and pixel density.
class SvgPicture : public QWidget {
    Q_OBJECT
public:
    explicit SvgPicture(QWidget* parent);

    void setSource(const QString& svgResourcePath);
    QString source() const { return m_source; }
    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_source;
    QSvgRenderer* m_renderer = nullptr;
    qreal m_opacity = 1.0;
};

} // namespace dutyloop
