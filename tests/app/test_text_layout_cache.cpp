// A text item lays its text out once and draws that layout on every redraw; what it draws must
// stay what QPainter::drawText draws for the same text, font and alignment, also after any of
// them has changed since the last paint.

#include "ui/font_size.h"
#include "ui/t_text.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace dutyloop;

namespace {

// Draws as the text item did before it kept its layout: drawText on every paint.
class DrawTextReference : public QWidget {
public:
    QString text;
    Color color = colors::Black;
    float fontSize = 12.0f;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignCenter;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        QFont drawn = font();
        SetFontPixelSize(drawn, fontSize, this);
        drawn.setBold(bold);
        painter.setFont(drawn);
        painter.setPen(QColor::fromRgba(color));
        painter.drawText(rect(), static_cast<int>(alignment), text);
    }
};

QImage RenderAlone(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

struct Look {
    QString text;
    float fontSize;
    bool bold;
    Qt::Alignment alignment;
    QSize size;
    bool widgetFontItalic;
};

void Apply(TText& item, DrawTextReference& reference, const Look& look) {
    item.setText(look.text);
    item.setFontSize(look.fontSize);
    item.setBold(look.bold);
    item.setAlignment(look.alignment);
    item.setColor(colors::Blue);
    item.resize(look.size);
    reference.text = QString(look.text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
    reference.fontSize = look.fontSize;
    reference.bold = look.bold;
    reference.alignment = look.alignment;
    reference.color = colors::Blue;
    reference.resize(look.size);
    for (QWidget* widget : {static_cast<QWidget*>(&item), static_cast<QWidget*>(&reference)}) {
        QFont font = widget->font();
        font.setItalic(look.widgetFontItalic);
        widget->setFont(font);
    }
}

} // namespace

Q_DECLARE_METATYPE(Look)

class TestTextLayoutCache : public QObject {
    Q_OBJECT
private slots:
    void drawsWhatDrawTextDraws_data() {
        QTest::addColumn<Look>("first");
        QTest::addColumn<Look>("then");
        const Look day{QStringLiteral("15"), 30.6f, true, Qt::AlignCenter, {50, 55}, false};
        Look legend = day;
        legend.text = QStringLiteral("Wk");
        legend.fontSize = 22.9f;
        QTest::newRow("a day number, unchanged") << day << day;
        QTest::newRow("the legend, unchanged") << legend << legend;
        Look next = day;
        next.text = QStringLiteral("16");
        QTest::newRow("another number") << day << next;
        Look smaller = day;
        smaller.fontSize = 14.2f;
        QTest::newRow("another size") << day << smaller;
        Look plain = day;
        plain.bold = false;
        QTest::newRow("no longer bold") << day << plain;
        Look corner = day;
        corner.alignment = Qt::AlignRight | Qt::AlignBottom;
        QTest::newRow("another alignment") << day << corner;
        Look wider = day;
        wider.size = {61, 48};
        QTest::newRow("a resized cell") << day << wider;
        Look italic = day;
        italic.widgetFontItalic = true;
        QTest::newRow("the widget's own font changed") << day << italic;
        const Look twoLines{
            QStringLiteral("12/10/2026\r\nWork"), 13.0f, false, Qt::AlignCenter, {120, 60}, false};
        QTest::newRow("two lines, each centred") << twoLines << twoLines;
        Look topLeft = twoLines;
        topLeft.alignment = Qt::AlignLeft | Qt::AlignTop;
        QTest::newRow("two lines at the top left") << twoLines << topLeft;
        const Look tooLong{QStringLiteral("a text far wider than its cell"),
                           20.0f,
                           true,
                           Qt::AlignCenter,
                           {50, 30},
                           false};
        QTest::newRow("cut at the cell's edges") << tooLong << tooLong;
        const Look trailing{QStringLiteral("x \ty  "),         16.0f,    false,
                            Qt::AlignRight | Qt::AlignVCenter, {80, 30}, false};
        QTest::newRow("a tab and trailing blanks, right-aligned") << trailing << trailing;
        const Look hebrew{QStringLiteral(u"\u05E9\u05DC\u05D5\u05DD"),
                          18.0f,
                          false,
                          Qt::AlignCenter,
                          {80, 30},
                          false};
        QTest::newRow("right to left, centred") << hebrew << hebrew;
        Look hebrewRight = hebrew;
        hebrewRight.text += QStringLiteral("  ");
        hebrewRight.alignment = Qt::AlignRight | Qt::AlignVCenter;
        QTest::newRow("right to left with trailing blanks, right-aligned")
            << hebrewRight << hebrewRight;
    }
    void drawsWhatDrawTextDraws() {
        QFETCH(Look, first);
        QFETCH(Look, then);
        TText item(nullptr);
        DrawTextReference reference;
        Apply(item, reference, first);
        QCOMPARE(RenderAlone(item), RenderAlone(reference));
        Apply(item, reference, then);
        QCOMPARE(RenderAlone(item), RenderAlone(reference));
    }
};

QTEST_MAIN(TestTextLayoutCache)
#include "test_text_layout_cache.moc"
