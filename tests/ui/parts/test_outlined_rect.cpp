// An opaque rectangle with an opaque stroke, as every day cell is, is drawn with whole-pixel
// fills: its edge pixels must carry the share of the stroke that covers them, its corners the
// stroke along both edges, and a rectangle that is not opaque must still show what lies
// behind it.

#include "ui/parts/panel.h"

#include <QImage>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace dutyloop;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kHalfBlue = 0x800000FF;

// `top` covering `coverage` of a pixel of opaque `bottom`.
QColor Mixed(QRgb top, QRgb bottom, double coverage) {
    const QColor over = QColor::fromRgba(top);
    const QColor under = QColor::fromRgba(bottom);
    const double a = coverage * over.alphaF();
    return QColor::fromRgbF(static_cast<float>(over.redF() * a + under.redF() * (1 - a)),
                            static_cast<float>(over.greenF() * a + under.greenF() * (1 - a)),
                            static_cast<float>(over.blueF() * a + under.blueF() * (1 - a)));
}

bool Near(const QColor& actual, const QColor& expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance &&
           std::abs(actual.alpha() - expected.alpha()) <= tolerance;
}

QByteArray Describe(const QColor& actual, const QColor& expected) {
    return QByteArray::number(actual.rgba(), 16) + " instead of " +
           QByteArray::number(expected.rgba(), 16);
}

// A white panel behind the rectangle, both drawn into one image.
QImage RenderOnWhite(QWidget& panel) {
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    panel.render(&image);
    return image;
}

class WhitePanel : public QWidget {
public:
    WhitePanel() {
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, QColor::fromRgba(kWhite));
        setPalette(white);
    }
};

} // namespace

class TestOutlinedRect : public QObject {
    Q_OBJECT
private slots:
    void edgesAndCornersTakeTheirShare_data() {
        QTest::addColumn<float>("thickness");
        QTest::addColumn<QSize>("size");
        // A day cell's stroke: two thirds of the outer pixels.
        QTest::newRow("0.67 px on a day cell") << 0.67f << QSize(50, 55);
        QTest::newRow("half a pixel") << 0.5f << QSize(40, 30);
        QTest::newRow("a pixel and a half") << 1.5f << QSize(40, 30);
        QTest::newRow("two whole pixels") << 2.0f << QSize(40, 30);
        QTest::newRow("0.67 px on a cell of 4 x 4") << 0.67f << QSize(4, 4);
        QTest::newRow("0.67 px on a cell of 2 x 2") << 0.67f << QSize(2, 2);
    }
    void edgesAndCornersTakeTheirShare() {
        QFETCH(float, thickness);
        QFETCH(QSize, size);
        WhitePanel panel;
        panel.resize(size);
        auto* cell = new Panel(&panel);
        cell->resize(size);
        cell->setColors(kRed, colors::Black, thickness);
        const QImage image = RenderOnWhite(panel);

        // Coverage of the pixel `index` pixels in from an edge, along one direction.
        const auto along = [&](int index, int length) {
            const double stroke = std::min<double>(thickness, length / 2.0);
            return std::clamp(stroke - index, 0.0, 1.0);
        };
        const int w = size.width();
        const int h = size.height();
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const double cx = along(std::min(x, w - 1 - x), w);
                const double cy = along(std::min(y, h - 1 - y), h);
                const double coverage = 1 - (1 - cx) * (1 - cy);
                const QColor expected = Mixed(colors::Black, kRed, coverage);
                // The rasterizer shades a rectangle too small for whole-pixel fills itself.
                const int tolerance = w < 5 || h < 5 ? 10 : 2;
                QVERIFY2(Near(image.pixelColor(x, y), expected, tolerance),
                         QByteArray::number(x) + "," + QByteArray::number(y) + ": " +
                             Describe(image.pixelColor(x, y), expected));
            }
        }
    }

    void whatLiesBehindShowsThroughOnlyWhereItShould_data() {
        QTest::addColumn<QRgb>("firstFill");
        QTest::addColumn<QRgb>("fill");
        QTest::newRow("opaque") << kRed << kRed;
        QTest::newRow("half transparent") << kHalfBlue << kHalfBlue;
        QTest::newRow("opaque, then half transparent") << kRed << kHalfBlue;
        QTest::newRow("half transparent, then opaque") << kHalfBlue << kRed;
    }
    void whatLiesBehindShowsThroughOnlyWhereItShould() {
        QFETCH(QRgb, firstFill);
        QFETCH(QRgb, fill);
        // The window's own repaint, where Qt leaves out what an opaque widget covers.
        WhitePanel panel;
        panel.resize(40, 40);
        auto* cell = new Panel(&panel);
        cell->setGeometry(10, 10, 20, 20);
        cell->setColors(firstFill, colors::Black, 0.0f);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        cell->setColors(fill, colors::Black, 0.0f);
        const QColor expected = Mixed(fill, kWhite, 1.0);
        QImage image;
        QTRY_VERIFY2((image = panel.screen()->grabWindow(panel.winId()).toImage(),
                      Near(image.pixelColor(20, 20), expected, 2)),
                     Describe(image.pixelColor(20, 20), expected));
        QVERIFY2(Near(image.pixelColor(5, 5), QColor::fromRgba(kWhite), 0),
                 Describe(image.pixelColor(5, 5), QColor::fromRgba(kWhite)));
    }
};

QTEST_MAIN(TestOutlinedRect)
#include "test_outlined_rect.moc"
