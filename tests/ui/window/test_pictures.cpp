#include <QColor>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSvgRenderer>
#include <QTest>

namespace {

// Renders a whole picture into a transparent image of the given size.
QImage render(QSvgRenderer& renderer, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect drawnArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void drawsFromVectorsAtDoubleSize_data();
    void drawsFromVectorsAtDoubleSize();
    void helpArrowsReachTheirControls_data();
    void helpArrowsReachTheirControls();
    void helpShowsEveryControlOfTheTab();
};

void TestPictures::drawsFromVectorsAtDoubleSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    QTest::newRow("settings help") << ":/pictures/help.svg" << QSize(330, 438);
    QTest::newRow("sextant watermark") << ":/pictures/sextant.svg" << QSize(250, 212);
    QTest::newRow("application icon") << ":/pictures/dutyloop.svg" << QSize(128, 128);
    QTest::newRow("previous-month arrow") << ":/pictures/arrow-left.svg" << QSize(24, 24);
    QTest::newRow("next-month arrow") << ":/pictures/arrow-right.svg" << QSize(24, 24);
}

void TestPictures::drawsFromVectorsAtDoubleSize() {
    QFETCH(QString, path);
    QFETCH(QSize, size);

    QVERIFY2(QFile::exists(path), qPrintable(path + " is not among the resources"));
    QSvgRenderer renderer(path);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), size));

    // Scaled to twice its size, the drawing must spread past the area it covers at its own size:
    // a picture that keeps its own scale would stay in the top-left quarter.
    const QRect area = drawnArea(render(renderer, size * 2));
    QVERIFY(!area.isEmpty());
    QVERIFY2(area.right() >= size.width() && area.bottom() >= size.height(),
             qPrintable(QStringLiteral("drawn only within %1,%2 %3x%4")
                            .arg(area.x())
                            .arg(area.y())
                            .arg(area.width())
                            .arg(area.height())));
}

void TestPictures::helpArrowsReachTheirControls_data() {
    // The id of a control in the picture; its arrowhead is "head-" and that id.
    QTest::addColumn<QString>("control");

    QTest::newRow("first day of week to the switch") << "switch";
    QTest::newRow("shift assignment to the drop-down") << "drop-down";
    QTest::newRow("shift colors to Work") << "work";
    QTest::newRow("shift colors to Off") << "off";
    QTest::newRow("leading / trailing to Ld/Tr") << "leading-trailing";
    QTest::newRow("background to BkGr") << "background";
    QTest::newRow("your own calendar to Publish…") << "publish";
}

// The picture shows the tab as it is: Save in its tool bar, and Export…, Print… and Publish…
// below the colours.
void TestPictures::helpShowsEveryControlOfTheTab() {
    QSvgRenderer renderer(QStringLiteral(":/pictures/help.svg"));
    for (const char* control : {"save", "drop-down", "switch", "work", "off", "leading-trailing",
                                "background", "export", "print", "publish"})
        QVERIFY2(renderer.elementExists(QLatin1String(control)), control);
    QVERIFY(renderer.boundsOnElement(QStringLiteral("save")).bottom() <
            renderer.boundsOnElement(QStringLiteral("drop-down")).top());
    QVERIFY(renderer.boundsOnElement(QStringLiteral("export")).top() >
            renderer.boundsOnElement(QStringLiteral("work")).bottom());
}

// The arrowheads are shapes of their own: Qt's SVG renderer leaves out <marker>, so heads made
// that way would vanish in the program. Each head must show, grey, right next to its control.
void TestPictures::helpArrowsReachTheirControls() {
    QFETCH(QString, control);
    const QString head = QStringLiteral("head-") + control;

    QSvgRenderer renderer(QStringLiteral(":/pictures/help.svg"));
    QVERIFY(renderer.elementExists(head));
    QVERIFY(renderer.elementExists(control));

    const QRectF headBounds = renderer.boundsOnElement(head);
    const QRectF controlBounds = renderer.boundsOnElement(control);
    QVERIFY(!controlBounds.isEmpty());
    QVERIFY2(headBounds.adjusted(-6, -6, 6, 6).intersects(controlBounds),
             "the arrowhead stops short of its control");
    QVERIFY2(!headBounds.intersects(controlBounds), "the arrowhead covers its control");

    const QImage image = render(renderer, renderer.defaultSize() * 2);
    const QPoint centre = (headBounds.center() * 2).toPoint();
    QCOMPARE(image.pixelColor(centre), QColor(0x80, 0x80, 0x80));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
