#include "ui/font_size.h"
#include "ui/state_text_colors.h"
#include "ui/t_color_combo_box.h"
#include "ui/t_combo_box.h"
#include "ui/t_grid_layout.h"
#include "ui/t_image.h"
#include "ui/t_rectangle.h"
#include "ui/t_switch.h"
#include "ui/t_text.h"
#include "ui/tag.h"

#include <QAbstractItemView>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <cstdlib>
#include <memory>

using namespace dutyloop;

Q_DECLARE_METATYPE(dutyloop::StateTextColors)

namespace {

// Counts one kind of event reaching the object it watches.
class EventCounter : public QObject {
public:
    EventCounter(QObject* watched, QEvent::Type type) : QObject(watched), m_type(type) {
        watched->installEventFilter(this);
    }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == m_type) {
            ++m_count;
        }
        return false;
    }

private:
    QEvent::Type m_type;
    int m_count = 0;
};

// The panel behind a day cell: records the presses that reach it.
class Backdrop : public QWidget {
public:
    Backdrop() { resize(100, 100); }
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
};

// Draws the widget alone onto a transparent image, so every pixel is the widget's own paint.
QImage RenderAlone(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool Near(const QColor& actual, Color expected, int tolerance) {
    const QColor want = QColor::fromRgba(expected);
    return std::abs(actual.red() - want.red()) <= tolerance &&
           std::abs(actual.green() - want.green()) <= tolerance &&
           std::abs(actual.blue() - want.blue()) <= tolerance &&
           std::abs(actual.alpha() - want.alpha()) <= tolerance;
}

QByteArray Describe(const QColor& color) {
    return QByteArray::number(color.rgba(), 16);
}

// A red picture twice as wide as it is high.
constexpr const char* kRedBarSvg =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10" viewBox="0 0 20 10">)"
    R"(<rect width="20" height="10" fill="#ff0000"/></svg>)";

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_redBar = m_dir.filePath(QStringLiteral("red_bar.svg"));
        QFile svg(m_redBar);
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write(kRedBarSvg);
        m_notSvg = m_dir.filePath(QStringLiteral("not_svg.svg"));
        QFile text(m_notSvg);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is no picture");
    }

    void tag() {
        QObject plain;
        QWidget widget;
        QCOMPARE(Tag(&plain), 0);
        QCOMPARE(Tag(&widget), 0);
        SetTag(&widget, -2);
        QCOMPARE(Tag(&widget), -2);
        SetTag(&plain, 41);
        QCOMPARE(Tag(&plain), 41);
    }

    void fontSize_data() {
        QTest::addColumn<float>("pixels");
        QTest::addColumn<int>("startPixelSize"); // 0: the widget's default font
        QTest::newRow("10.8 keeps its fraction") << 10.8f << 0;
        QTest::newRow("19.152 keeps its fraction") << 19.152f << 0;
        QTest::newRow("whole 12") << 12.0f << 0;
        QTest::newRow("10.8 on a font sized in whole pixels before") << 10.8f << 14;
    }
    void fontSize() {
        QFETCH(float, pixels);
        QFETCH(int, startPixelSize);
        QWidget widget;
        QFont start = widget.font();
        start.setBold(true);
        start.setUnderline(true);
        if (startPixelSize > 0) {
            start.setPixelSize(startPixelSize);
        }
        widget.setFont(start);

        SetFontPixelSize(&widget, pixels);
        QVERIFY2(qFuzzyCompare(FontPixelSize(&widget), pixels),
                 QByteArray::number(FontPixelSize(&widget)));
        QVERIFY(widget.font().bold());
        QVERIFY(widget.font().underline());

        // The calendar sets every font on every redraw: the same size again changes nothing.
        const EventCounter fontChanges(&widget, QEvent::FontChange);
        SetFontPixelSize(&widget, pixels);
        QCOMPARE(fontChanges.count(), 0);
        SetFontPixelSize(&widget, pixels + 1.5f);
        QCOMPARE(fontChanges.count(), 1);

        // The QFont overload sizes a font for the widget that will use it.
        QWidget other;
        QFont font = other.font();
        SetFontPixelSize(font, pixels, &other);
        other.setFont(font);
        QVERIFY2(qFuzzyCompare(FontPixelSize(&other), pixels),
                 QByteArray::number(FontPixelSize(&other)));
    }

    void stateTextColors_data() {
        QTest::addColumn<bool>("toolButton");
        QTest::addColumn<StateTextColors>("first");
        QTest::addColumn<StateTextColors>("second");
        const StateTextColors blackAndBlue{colors::Black, colors::Blue, 0xFFFF0000, 0xFF008000};
        const StateTextColors translucent{0x80FFFFFF, 0xFFFFFF00, 0x00000000, colors::AliceBlue};
        QTest::newRow("push button") << false << blackAndBlue << translucent;
        QTest::newRow("tool button") << true << translucent << blackAndBlue;
    }
    void stateTextColors() {
        QFETCH(bool, toolButton);
        QFETCH(StateTextColors, first);
        QFETCH(StateTextColors, second);
        QWidget window;
        QAbstractButton* button = toolButton
                                      ? static_cast<QAbstractButton*>(new QToolButton(&window))
                                      : new QPushButton(&window);
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);

        SetStateTextColors(button, first);
        QCOMPARE(StateTextColorsOf(button), first);
        button->ensurePolished();
        // The button draws its normal text in the colour given, alpha included.
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor::fromRgba(first.normal));
        QVERIFY(button->font().bold());

        const QString sheet = button->styleSheet();
        const EventCounter restyles(button, QEvent::StyleChange);
        SetStateTextColors(button, first);
        QCOMPARE(button->styleSheet(), sheet);
        QCOMPARE(restyles.count(), 0);

        SetStateTextColors(button, second);
        QCOMPARE(StateTextColorsOf(button), second);
        QVERIFY(restyles.count() > 0);
        button->ensurePolished();
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor::fromRgba(second.normal));
        QVERIFY(button->font().bold());
    }

    void rectangleClick_data() {
        QTest::addColumn<bool>("hitTest");
        QTest::addColumn<bool>("textOnTop");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("releaseOutside");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("backdropPresses");
        QTest::addColumn<bool>("takesFocus");
        QTest::newRow("left click: one click; the focus is left to the window")
            << true << false << int(Qt::LeftButton) << false << 1 << 0 << false;
        QTest::newRow("hit test off: the click reaches the panel behind")
            << false << false << int(Qt::LeftButton) << false << 0 << 1 << false;
        QTest::newRow("a text on top lets the click through to the cell")
            << true << true << int(Qt::LeftButton) << false << 1 << 0 << false;
        QTest::newRow("released outside: no click")
            << true << false << int(Qt::LeftButton) << true << 0 << 0 << false;
        QTest::newRow("right button: no click, the press goes on to the panel")
            << true << false << int(Qt::RightButton) << false << 0 << 1 << false;
    }
    void rectangleClick() {
        QFETCH(bool, hitTest);
        QFETCH(bool, textOnTop);
        QFETCH(int, button);
        QFETCH(bool, releaseOutside);
        QFETCH(int, clicks);
        QFETCH(int, backdropPresses);
        QFETCH(bool, takesFocus);
        Backdrop backdrop;
        auto* cell = new TRectangle(&backdrop);
        cell->setGeometry(10, 10, 50, 50);
        cell->setHitTest(hitTest);
        if (textOnTop) {
            auto* text = new TText(&backdrop);
            text->setText(QStringLiteral("17"));
            text->setGeometry(cell->geometry());
            text->raise();
        }
        const QSignalSpy clicked(cell, &TRectangle::clicked);
        backdrop.show();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

        // Through the window, so Qt picks the receiver from what lies under the pointer.
        QWindow* window = backdrop.windowHandle();
        const auto mouseButton = static_cast<Qt::MouseButton>(button);
        QTest::mousePress(window, mouseButton, {}, QPoint(30, 30));
        QTest::mouseRelease(window, mouseButton, {},
                            releaseOutside ? QPoint(80, 80) : QPoint(30, 30));

        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(backdrop.presses, backdropPresses);
        QCOMPARE(backdrop.focusWidget() == cell, takesFocus);
    }

    void rectangleFocusIsDrawn() {
        QWidget window;
        window.resize(100, 100);
        auto* cell = new TRectangle(&window);
        cell->setGeometry(10, 10, 50, 50);
        cell->setFill(colors::Blue);
        cell->setStroke(colors::AliceBlue);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QImage unfocused = cell->grab().toImage();
        cell->setFocus();
        QVERIFY(cell->hasFocus());
        QVERIFY(cell->grab().toImage() != unfocused);
    }

    void rectanglePaint_data() {
        QTest::addColumn<Color>("fill");
        QTest::addColumn<Color>("stroke");
        QTest::addColumn<float>("thickness");
        QTest::addColumn<Color>("edge");   // outermost pixel
        QTest::addColumn<Color>("second"); // one pixel in
        QTest::addColumn<Color>("centre");
        QTest::addColumn<int>("tolerance"); // per channel, at the edge
        constexpr Color Red = 0xFFFF0000;
        QTest::newRow("thickness 0: no stroke")
            << Red << colors::Black << 0.0f << Red << Red << Red << 8;
        QTest::newRow("2 px stroke lies inside the edges")
            << Red << colors::Black << 2.0f << colors::Black << colors::Black << Red << 8;
        // Antialiasing shades the outer pixel by about the two thirds it covers; Qt draws pens
        // under a pixel wide approximately, hence the wide tolerance. Neither untouched red nor
        // full black passes.
        QTest::newRow("0.67 px stroke shades the outer pixel only")
            << Red << colors::Black << 0.67f << Color{0xFF540000} << Red << Red << 48;
        QTest::newRow("a transparent stroke draws nothing")
            << Red << colors::Null << 2.0f << Red << Red << Red << 8;
        QTest::newRow("half-transparent fill keeps its alpha")
            << Color{0x80FF0000} << colors::Black << 0.0f << Color{0x80FF0000} << Color{0x80FF0000}
            << Color{0x80FF0000} << 8;
    }
    void rectanglePaint() {
        QFETCH(Color, fill);
        QFETCH(Color, stroke);
        QFETCH(float, thickness);
        QFETCH(Color, edge);
        QFETCH(Color, second);
        QFETCH(Color, centre);
        QFETCH(int, tolerance);
        TRectangle cell(nullptr);
        cell.resize(40, 30);
        cell.setFill(fill);
        cell.setStroke(stroke);
        cell.setStrokeThickness(thickness);
        const QImage image = RenderAlone(cell);
        // Checked on all four sides, so a stroke shifted to one side shows.
        const QList<QPoint> edges{{0, 15}, {39, 15}, {20, 0}, {20, 29}};
        const QList<QPoint> seconds{{1, 15}, {38, 15}, {20, 1}, {20, 28}};
        for (qsizetype i = 0; i < edges.size(); ++i) {
            QVERIFY2(Near(image.pixelColor(edges[i]), edge, tolerance),
                     Describe(image.pixelColor(edges[i])));
            QVERIFY2(Near(image.pixelColor(seconds[i]), second, 8),
                     Describe(image.pixelColor(seconds[i])));
        }
        QVERIFY2(Near(image.pixelColor(20, 15), centre, 3), Describe(image.pixelColor(20, 15)));
    }

    void gridLayout_data() {
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<float>("itemWidth");
        QTest::addColumn<float>("itemHeight");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("perRow");
        QTest::addColumn<int>("rowRight");   // right edge of a full row
        QTest::addColumn<int>("gridBottom"); // bottom edge of the last row
        QTest::newRow("calendar: (334-0.1)/7 wide, 7 a row, 42 cells in 6 rows")
            << 334 << (334.0f - 0.1f) / 7.0f << 40.5f << 42 << 7 << 334 << 243;
        QTest::newRow("an exact fit counts: 7 of 48 in 336")
            << 336 << 48.0f << 30.0f << 10 << 7 << 336 << 60;
        QTest::newRow("a pixel short: 6 of 48 in 335")
            << 335 << 48.0f << 30.0f << 13 << 6 << 288 << 90;
        QTest::newRow("thirds: 3 of 33.3 in 100, heights of 12.25")
            << 100 << 33.3f << 12.25f << 7 << 3 << 100 << 37;
        QTest::newRow("narrower than a cell: one a row")
            << 30 << 50.0f << 20.0f << 3 << 1 << 50 << 60;
    }
    void gridLayout() {
        QFETCH(int, gridWidth);
        QFETCH(float, itemWidth);
        QFETCH(float, itemHeight);
        QFETCH(int, count);
        QFETCH(int, perRow);
        QFETCH(int, rowRight);
        QFETCH(int, gridBottom);
        TGridLayout grid(nullptr);
        grid.resize(gridWidth, 400);
        grid.setItemSize(itemWidth, itemHeight);
        QList<QWidget*> cells;
        for (int i = 0; i < count; ++i) {
            cells.append(new QWidget(&grid));
            if (i == 1) {
                new QObject(&grid); // not a widget: takes no cell
            }
        }

        for (int i = 0; i < count; ++i) {
            const QRect cell = cells[i]->geometry();
            const int column = i % perRow;
            const QByteArray where = "cell " + QByteArray::number(i);
            QVERIFY2(std::abs(cell.width() - double{itemWidth}) < 1.0, where);
            QVERIFY2(std::abs(cell.height() - double{itemHeight}) < 1.0, where);
            if (column == 0) {
                QVERIFY2(cell.left() == 0, where);
                const int top = i == 0 ? 0 : cells[i - perRow]->geometry().bottom() + 1;
                QVERIFY2(cell.top() == top, where);
            } else {
                const QRect before = cells[i - 1]->geometry();
                QVERIFY2(cell.left() == before.right() + 1, where);
                QVERIFY2(cell.top() == before.top(), where);
            }
            if (column == perRow - 1) {
                QVERIFY2(cell.right() + 1 == rowRight, where);
            }
        }
        QCOMPARE(cells.last()->geometry().bottom() + 1, gridBottom);
    }

    void gridLayoutPlacesAgain() {
        QWidget window;
        window.resize(400, 400);
        auto* grid = new TGridLayout(&window);
        grid->resize(334, 400);
        grid->setItemSize((334.0f - 0.1f) / 7.0f, 40.0f);
        QList<QWidget*> cells;
        for (int i = 0; i < 14; ++i) {
            cells.append(new QWidget(grid));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(cells[7]->geometry().topLeft(), QPoint(0, 40));

        // 4 x 47.7 = 190.8 fits in 200, a fifth cell would end at 238.5.
        grid->resize(200, 400);
        QCOMPARE(cells[3]->geometry(), QRect(143, 0, 48, 40));
        QCOMPARE(cells[4]->geometry().topLeft(), QPoint(0, 40));

        grid->setItemSize(100.0f, 20.0f);
        QCOMPARE(cells[1]->geometry(), QRect(100, 0, 100, 20));
        QCOMPARE(cells[2]->geometry().topLeft(), QPoint(0, 20));

        auto* added = new QWidget(grid);
        added->show();
        QCOMPARE(added->geometry(), QRect(0, 140, 100, 20));
    }

    void colorComboStart() {
        TColorComboBox combo(nullptr);
        QCOMPARE(combo.count(), 148);
        QCOMPARE(combo.maxVisibleItems(), 12);
        QCOMPARE(combo.currentIndex(), 147);
        QCOMPARE(combo.currentText(), QStringLiteral("Null"));
        QCOMPARE(combo.color(), colors::Null);
        QCOMPARE(combo.itemText(2), QStringLiteral("Aqua"));

        combo.setCurrentIndex(-1);
        QCOMPARE(combo.color(), colors::Null);
        combo.setColor(colors::Black);
        QCOMPARE(combo.currentText(), QStringLiteral("Black"));
    }

    void colorComboSwatches() {
        TColorComboBox combo(nullptr);
        const QSize size = combo.iconSize();
        const QPoint middle(size.width() / 2, size.height() / 2);
        const QImage aqua = combo.itemIcon(2).pixmap(size).toImage();
        QVERIFY2(Near(aqua.pixelColor(middle), 0xFF00FFFF, 0), Describe(aqua.pixelColor(middle)));
        // The transparent Null still shows a swatch, and one unlike White's.
        const QImage null = combo.itemIcon(147).pixmap(size).toImage();
        const QImage white =
            combo.itemIcon(combo.findText(QStringLiteral("White"))).pixmap(size).toImage();
        QCOMPARE(null.pixelColor(middle).alpha(), 255);
        QVERIFY(null != white);
    }

    void colorComboSetColor_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<Color>("color");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<Color>("result");
        const QString null = QStringLiteral("Null");
        const QString black = QStringLiteral("Black");
        QTest::newRow("Aqua and Cyan share a value: the first, Aqua")
            << null << Color{0xFF00FFFF} << QStringLiteral("Aqua") << Color{0xFF00FFFF};
        QTest::newRow("Fuchsia and Magenta share a value: the first, Fuchsia")
            << null << Color{0xFFFF00FF} << QStringLiteral("Fuchsia") << Color{0xFFFF00FF};
        QTest::newRow("Gray and Grey share a value: the first, Gray")
            << null << Color{0xFF808080} << QStringLiteral("Gray") << Color{0xFF808080};
        QTest::newRow("Null by its value 0") << black << colors::Null << null << colors::Null;
        QTest::newRow("a value no entry has keeps the selection")
            << black << Color{0xFF123456} << black << colors::Black;
        QTest::newRow("Aqua with another alpha is no entry")
            << black << Color{0x8000FFFF} << black << colors::Black;
        QTest::newRow("transparent black is not Null")
            << black << Color{0x00000001} << black << colors::Black;
    }
    void colorComboSetColor() {
        QFETCH(QString, start);
        QFETCH(Color, color);
        QFETCH(QString, selected);
        QFETCH(Color, result);
        TColorComboBox combo(nullptr);
        combo.setCurrentIndex(combo.findText(start));
        QCOMPARE(combo.currentText(), start);
        combo.setColor(color);
        QCOMPARE(combo.currentText(), selected);
        QCOMPARE(combo.color(), result);
    }

    void switchToggles_data() {
        QTest::addColumn<bool>("bySpace");
        QTest::newRow("click") << false;
        QTest::newRow("Space") << true;
    }
    void switchToggles() {
        QFETCH(bool, bySpace);
        TSwitch toggle(nullptr);
        toggle.resize(toggle.sizeHint());
        QVERIFY(!toggle.isChecked());
        const auto press = [&] {
            if (bySpace) {
                QTest::keyClick(&toggle, Qt::Key_Space);
            } else {
                QTest::mouseClick(&toggle, Qt::LeftButton);
            }
        };
        press();
        QVERIFY(toggle.isChecked());
        press();
        QVERIFY(!toggle.isChecked());
    }

    void imagePaint_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<double>("opacity");
        QTest::addColumn<QList<QPoint>>("inside");
        QTest::addColumn<QList<QPoint>>("outside");
        QTest::addColumn<int>("alpha");
        // The 2:1 picture fills 100 x 50 of either widget.
        QTest::newRow("wider widget: centred across")
            << QSize(200, 50) << 1.0 << QList<QPoint>{{53, 25}, {146, 25}}
            << QList<QPoint>{{46, 25}, {153, 25}} << 255;
        QTest::newRow("taller widget: centred down")
            << QSize(100, 100) << 1.0 << QList<QPoint>{{50, 28}, {50, 71}}
            << QList<QPoint>{{50, 21}, {50, 78}} << 255;
        QTest::newRow("half opacity")
            << QSize(100, 100) << 0.5 << QList<QPoint>{{50, 50}} << QList<QPoint>{{50, 10}} << 128;
    }
    void imagePaint() {
        QFETCH(QSize, size);
        QFETCH(double, opacity);
        QFETCH(QList<QPoint>, inside);
        QFETCH(QList<QPoint>, outside);
        QFETCH(int, alpha);
        TImage image(nullptr);
        image.resize(size);
        image.setSource(m_redBar);
        image.setOpacity(opacity);
        // Nothing is read before the picture is first drawn.
        QVERIFY(image.findChild<QSvgRenderer*>() == nullptr);

        const QImage drawn = RenderAlone(image);
        QVERIFY(image.findChild<QSvgRenderer*>() != nullptr);
        for (const QPoint& point : inside) {
            const QColor pixel = drawn.pixelColor(point);
            QVERIFY2(Near(pixel, qRgba(255, 0, 0, alpha), 3), Describe(pixel));
        }
        for (const QPoint& point : outside) {
            QCOMPARE(drawn.pixelColor(point).alpha(), 0);
        }
    }

    void imageWithoutPicture_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("no source") << QString();
        QTest::newRow("missing resource") << QStringLiteral(":/pictures/no_such_picture.svg");
        QTest::newRow("a file that is not SVG") << m_notSvg;
    }
    void imageWithoutPicture() {
        QFETCH(QString, source);
        TImage image(nullptr);
        image.resize(60, 40);
        image.setSource(source);
        QImage blank(image.size(), QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        QCOMPARE(RenderAlone(image), blank);
        QCOMPARE(RenderAlone(image), blank); // a second paint after the failed read
    }

    // Only a list that was open reports its closing; Qt also "hides" the list whenever the box
    // itself is hidden, as when its tab is left.
    void comboBoxReportsOnlyARealClose() {
        QWidget window;
        auto* box = new TComboBox(&window);
        box->addItems({QStringLiteral("one"), QStringLiteral("two")});
        const QSignalSpy closed(box, &TComboBox::closePopup);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        box->hide();
        box->show();
        QCOMPARE(closed.count(), 0);
        QTest::mouseClick(box, Qt::LeftButton);
        QTRY_VERIFY(box->view()->isVisible());
        QTest::keyClick(box->view(), Qt::Key_Escape);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(closed.count(), 1);
        box->hide();
        QCOMPARE(closed.count(), 1);
    }

private:
    QTemporaryDir m_dir;
    QString m_redBar;
    QString m_notSvg;
};

QTEST_MAIN(TestToolkit)
#include "test_toolkit.moc"
