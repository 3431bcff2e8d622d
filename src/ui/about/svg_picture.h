#pragma once

#include <QByteArray>
#include <QHash>
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
    // Words of the picture's text shown as others: each <text> whose whole content is a key
    // shows its value, as a picture with captions shows them in the user's language. A <text>
    // with data-fit="<width>" and its own font-size shows a word too wide for that width
    // smaller, so that it fits.
    void setWords(const QHash<QString, QString>& words);
    QString source() const { return m_source; }
    void setOpacity(qreal opacity);
    // Whether the drawing mirrors in a right-to-left layout, its words still reading as written:
    // for a picture of the window, which mirrors too; never for a logo.
    void setMirroredRightToLeft(bool mirrored);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QByteArray contents() const;
    void reload();

    QString m_source;
    QHash<QString, QString> m_words;
    QSvgRenderer* m_renderer = nullptr;
    qreal m_opacity = 1.0;
    bool m_mirroredRightToLeft = false;
};

} // namespace dutyloop
