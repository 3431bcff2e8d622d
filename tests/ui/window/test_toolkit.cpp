#include "window_fixture.h"

#include "calendar/month_page.h"
#include "ui/about/svg_picture.h"
#include "ui/calendar/month_view.h"
#include "ui/parts/font_size.h"
#include "ui/parts/panel.h"
#include "ui/parts/state_text_colors.h"
#include "ui/settings/closing_combo_box.h"
#include "ui/settings/color_picker.h"
#include "ui/settings/toggle_switch.h"

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

// The month view of a real window showing September 2023, weeks from Sunday: cell 0 is August
// 27, the 15th, today and selected, is cell 19.
MonthView* CalendarMonthView(MainWindow& window) {
    testing::OpenTab(window, testing::ControlsOf(window).calendarPage);
    return testing::ControlsOf(window).monthView;
}

// Draws the widget alone onto a transparent image, so every pixel is the widget's own paint.
QImage RenderAlone(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool Near(const QColor& actual, QRgb expected, int tolerance) {
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
        QVERIFY2(qFuzzyCompare(testing::PixelSizeOf(&widget), pixels),
                 QByteArray::number(testing::PixelSizeOf(&widget)));
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
        QVERIFY2(qFuzzyCompare(testing::PixelSizeOf(&other), pixels),
                 QByteArray::number(testing::PixelSizeOf(&other)));
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
        QVERIFY(restyles.count() > 0);
        button->ensurePolished();
        QCOMPARE(button->palette().color(QPalette::ButtonText), QColor::fromRgba(second.normal));
        QVERIFY(button->font().bold());
    }

    void monthViewClick_data() {
        QTest::addColumn<int>("pressCell");
        QTest::addColumn<int>("releaseCell");
        QTest::addColumn<int>("button");
        // September 2023 in weeks from Sunday: the grid starts on Sunday 27 August.
        QTest::addColumn<QList<QDate>>("clicked");
        QTest::newRow("left click on a cell: its day")
            << 12 << 12 << int(Qt::LeftButton) << QList<QDate>{QDate(2023, 9, 8)};
        QTest::newRow("released over another cell: no click")
            << 12 << 13 << int(Qt::LeftButton) << QList<QDate>{};
        QTest::newRow("right button: no click")
            << 12 << 12 << int(Qt::RightButton) << QList<QDate>{};
        QTest::newRow("the last cell that takes clicks")
            << 36 << 36 << int(Qt::LeftButton) << QList<QDate>{QDate(2023, 10, 2)};
        QTest::newRow("cells past it take none")
            << 37 << 37 << int(Qt::LeftButton) << QList<QDate>{};
        QTest::newRow("the legend takes none") << 41 << 41 << int(Qt::LeftButton) << QList<QDate>{};
    }
    void monthViewClick() {
        QFETCH(int, pressCell);
        QFETCH(int, releaseCell);
        QFETCH(int, button);
        QFETCH(QList<QDate>, clicked);
        auto window = testing::ShownWindow();
        MonthView* view = CalendarMonthView(*window);
        QList<QDate> reported;
        connect(view, &MonthView::dayClicked, view, [&](QDate day) { reported.append(day); });
        const auto mouseButton = static_cast<Qt::MouseButton>(button);
        // Through the window, so Qt picks the receiver from what lies under the pointer.
        QWindow* handle = window->windowHandle();
        const auto at = [&](int cell) {
            return view->mapTo(window.get(), view->cellRect(cell).center());
        };
        // The view has the focus as the Calendar tab shows; here it is elsewhere.
        QVERIFY(testing::TabTo(testing::ControlsOf(*window).today));
        QTest::mousePress(handle, mouseButton, {}, at(pressCell));
        // A press alone never moves the focus; the window gives it when a day is chosen.
        QVERIFY(!view->hasFocus());
        QTest::mouseRelease(handle, mouseButton, {}, at(releaseCell));
        QCOMPARE(reported, clicked);
    }

    void monthViewDrawsTheFocusMarkOnTheSelectedDay() {
        auto window = testing::ShownWindow();
        MonthView* view = CalendarMonthView(*window);
        const int selected = view->selectedCell();
        QCOMPARE(selected, 19);
        const QRect cell = view->cellRect(selected);
        const QImage before = view->grab(cell).toImage();
        const QImage neighbour = view->grab(view->cellRect(selected + 1)).toImage();
        // A click on the selected day gives it the keyboard focus, and the mark shows.
        QTest::mouseClick(view, Qt::LeftButton, {}, cell.center());
        QVERIFY(view->hasFocus());
        QVERIFY(view->grab(cell).toImage() != before);
        QCOMPARE(view->grab(view->cellRect(selected + 1)).toImage(), neighbour);
    }

    void panelPaint_data() {
        QTest::addColumn<QRgb>("fill");
        QTest::addColumn<QRgb>("stroke");
        QTest::addColumn<float>("thickness");
        QTest::addColumn<QRgb>("edge");   // outermost pixel
        QTest::addColumn<QRgb>("second"); // one pixel in
        QTest::addColumn<QRgb>("centre");
        QTest::addColumn<int>("tolerance"); // per channel, at the edge
        constexpr QRgb Red = 0xFFFF0000;
        QTest::newRow("thickness 0: no stroke")
            << Red << colors::Black << 0.0f << Red << Red << Red << 8;
        QTest::newRow("2 px stroke lies inside the edges")
            << Red << colors::Black << 2.0f << colors::Black << colors::Black << Red << 8;
        // Antialiasing shades the outer pixel by about the two thirds it covers; Qt draws pens
        // under a pixel wide approximately, hence the wide tolerance. Neither untouched red nor
        // full black passes.
        QTest::newRow("0.67 px stroke shades the outer pixel only")
            << Red << colors::Black << 0.67f << QRgb{0xFF540000} << Red << Red << 48;
        QTest::newRow("a transparent stroke draws nothing")
            << Red << colors::Null << 2.0f << Red << Red << Red << 8;
        QTest::newRow("half-transparent fill keeps its alpha")
            << QRgb{0x80FF0000} << colors::Black << 0.0f << QRgb{0x80FF0000} << QRgb{0x80FF0000}
            << QRgb{0x80FF0000} << 8;
    }
    void panelPaint() {
        QFETCH(QRgb, fill);
        QFETCH(QRgb, stroke);
        QFETCH(float, thickness);
        QFETCH(QRgb, edge);
        QFETCH(QRgb, second);
        QFETCH(QRgb, centre);
        QFETCH(int, tolerance);
        Panel cell(nullptr);
        cell.resize(40, 30);
        cell.setColors(fill, stroke, thickness);
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

    void colorComboStart() {
        ColorPicker combo(QLocale(QLocale::English, QLocale::UnitedStates), nullptr);
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
        ColorPicker combo(QLocale(QLocale::English, QLocale::UnitedStates), nullptr);
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
        QTest::addColumn<QRgb>("color");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QRgb>("result");
        const QString null = QStringLiteral("Null");
        const QString black = QStringLiteral("Black");
        QTest::newRow("Aqua and Cyan share a value: the first, Aqua")
            << null << QRgb{0xFF00FFFF} << QStringLiteral("Aqua") << QRgb{0xFF00FFFF};
        QTest::newRow("Fuchsia and Magenta share a value: the first, Fuchsia")
            << null << QRgb{0xFFFF00FF} << QStringLiteral("Fuchsia") << QRgb{0xFFFF00FF};
        QTest::newRow("Gray and Grey share a value: the first, Gray")
            << null << QRgb{0xFF808080} << QStringLiteral("Gray") << QRgb{0xFF808080};
        QTest::newRow("Null by its value 0") << black << colors::Null << null << colors::Null;
        QTest::newRow("a value no entry has keeps the selection")
            << black << QRgb{0xFF123456} << black << colors::Black;
        QTest::newRow("Aqua with another alpha is no entry")
            << black << QRgb{0x8000FFFF} << black << colors::Black;
        QTest::newRow("transparent black is not Null")
            << black << QRgb{0x00000001} << black << colors::Black;
    }
    void colorComboSetColor() {
        QFETCH(QString, start);
        QFETCH(QRgb, color);
        QFETCH(QString, selected);
        QFETCH(QRgb, result);
        ColorPicker combo(QLocale(QLocale::English, QLocale::UnitedStates), nullptr);
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
        ToggleSwitch toggle(nullptr);
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
        SvgPicture image(nullptr);
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
        SvgPicture image(nullptr);
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
        auto* box = new ClosingComboBox(&window);
        box->addItems({QStringLiteral("one"), QStringLiteral("two")});
        const QSignalSpy closed(box, &ClosingComboBox::listClosed);
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
