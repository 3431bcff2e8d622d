#pragma once

#include "settings/colors.h"

#include <QString>
#include <QWidget>
#include <memory>

namespace dutyloop {

class LaidOutText;

// A free text item: one text drawn in its own colour, size and alignment. It ignores the
// pointer, so a click falls through to the widget behind it.
class TText : public QWidget {
    Q_OBJECT
public:
    explicit TText(QWidget* parent);
    ~TText() override;

    QString text() const { return m_text; }
    void setText(const QString& text);
    Color color() const { return m_color; }
    void setColor(Color color);
    float fontSize() const { return m_fontSize; } // device-independent pixels
    void setFontSize(float pixels);
    bool bold() const { return m_bold; }
    void setBold(bool bold);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_text;
    QString m_shownText; // m_text with its line breaks as "\n", ready to draw
    Color m_color = colors::Black;
    float m_fontSize = 12.0f;
    bool m_bold = false;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    // m_shownText laid out for the last paint; dropped when anything it depends on changes.
    std::unique_ptr<LaidOutText> m_laidOut;
};

} // namespace dutyloop
