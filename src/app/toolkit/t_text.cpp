#include "app/toolkit/t_text.h"

#include "app/toolkit/font_size.h"

#include <QColor>
#include <QFont>
#include <QPainter>

namespace dutyloop {

namespace {
// QPainter breaks lines at "\n" only and draws a "\r" as a space; texts that break with "\r"
// or "\r\n" are turned into "\n" once, when set, not on every paint.
QString WithLineFeeds(const QString& text) {
    if (!text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
} // namespace

TText::TText(QWidget* parent) : QWidget(parent) {
    // A click on a day's number belongs to the day cell behind it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setContentsMargins(0, 0, 0, 0);
}

void TText::setText(const QString& text) {
    if (m_text == text) {
        return;
    }
    m_text = text;
    m_shownText = WithLineFeeds(text);
    update();
}

void TText::setColor(Color color) {
    if (m_color == color) {
        return;
    }
    m_color = color;
    update();
}

void TText::setFontSize(float pixels) {
    if (m_fontSize == pixels) {
        return;
    }
    m_fontSize = pixels;
    update();
}

void TText::setBold(bool bold) {
    if (m_bold == bold) {
        return;
    }
    m_bold = bold;
    update();
}

void TText::setAlignment(Qt::Alignment alignment) {
    if (m_alignment == alignment) {
        return;
    }
    m_alignment = alignment;
    update();
}

void TText::paintEvent(QPaintEvent* /*event*/) {
    if (m_shownText.isEmpty()) {
        return;
    }
    QPainter painter(this);
    QFont font = this->font();
    SetFontPixelSize(font, m_fontSize, this);
    font.setBold(m_bold);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(m_color));
    // Each line is aligned on its own, so a two-line text is centred line by line.
    painter.drawText(rect(), static_cast<int>(m_alignment), m_shownText);
}

} // namespace dutyloop
