// The window as the user sees it, pixel for pixel, beside reference pictures kept in
// tests/pixels: a change that moves a single pixel of a tab shows here. Run with
// DUTYLOOP_UPDATE_PIXELS=1 to write new references after an intended change of the look, and
// look at every picture before committing it.
//
// The same test runs again at twice the pixel density (QT_SCALE_FACTOR=2), for the rows that
// say so.

#include "window_fixture.h"

#include <QImage>
#include <QPixmap>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

qreal Scale() {
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
               ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
               : 1.0;
}

QString ReferencePath(const QString& name) {
    const QString suffix = Scale() == 1.0 ? QString() : QStringLiteral("@%1x").arg(Scale());
    return QStringLiteral(DUTYLOOP_PIXELS_DIR "/%1%2.png").arg(name, suffix);
}

void ResizeOuter(QWidget& window, QSize outer) {
    window.resize(outer - (window.frameGeometry().size() - window.size()));
}

// How many pixels differ, and where the first one is.
QString Difference(const QImage& shown, const QImage& reference) {
    if (shown.size() != reference.size())
        return QStringLiteral("%1x%2 against %3x%4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(reference.width())
            .arg(reference.height());
    int differing = 0;
    QPoint first;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) != reference.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
        }
    }
    if (differing == 0)
        return {};
    return QStringLiteral("%1 pixels differ, the first at %2,%3")
        .arg(differing)
        .arg(first.x())
        .arg(first.y());
}

} // namespace

class TestPixels : public QObject {
    Q_OBJECT
private slots:
    void tabsLookAsBefore_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<bool>("atDoubleScale");
        const QByteArray crew5 = "[Config]\nWorkAssign=5 TFS\n";
        const QByteArray navy = "[Config]\nWorkAssign=3 TWT\n[Colors]\nBkGr=Navy\n";
        const QSize opening(350, 640);
        QTest::newRow("calendar-sunday") << crew5 << QDate(2023, 9, 15) << 0 << opening << true;
        QTest::newRow("calendar-monday")
            << QByteArray("[Config]\nWorkAssign=5 TFS\nWeekStartsOnMonday=1\n")
            << QDate(2024, 2, 29) << 0 << opening << false;
        QTest::newRow("calendar-no-rotation") << QByteArray("[Config]\nWorkAssign=Tornvale\n")
                                              << QDate(2023, 9, 15) << 0 << opening << false;
        QTest::newRow("calendar-navy") << navy << QDate(2026, 12, 10) << 0 << opening << true;
        QTest::newRow("calendar-small")
            << crew5 << QDate(2023, 9, 15) << 0 << QSize(260, 400) << false;
        QTest::newRow("calendar-large")
            << crew5 << QDate(2023, 9, 15) << 0 << QSize(640, 960) << false;
        // One month on, into the next year: the month label carries the year.
        QTest::newRow("calendar-next-year")
            << QByteArray("[Config]\nWorkAssign=2 MTW\n[Colors]\nLPlt=Crimson\nKPlt=Gold\n")
            << QDate(2023, 12, 15) << 0 << opening << false;
        QTest::newRow("settings") << crew5 << QDate(2023, 9, 15) << 1 << opening << true;
        QTest::newRow("settings-navy") << navy << QDate(2023, 9, 15) << 1 << opening << false;
        QTest::newRow("help") << crew5 << QDate(2023, 9, 15) << 2 << opening << true;
        QTest::newRow("about") << crew5 << QDate(2023, 9, 15) << 3 << opening << true;
        QTest::newRow("about-navy") << navy << QDate(2023, 9, 15) << 3 << opening << false;
    }
    void tabsLookAsBefore() {
        QFETCH(QByteArray, settings);
        QFETCH(QDate, today);
        QFETCH(int, tab);
        QFETCH(QSize, outer);
        QFETCH(bool, atDoubleScale);
        if (Scale() != 1.0 && !atDoubleScale)
            QSKIP("drawn at the usual density only");
        auto window = ShownWindow(today, settings);
        ResizeOuter(*window, outer);
        OpenTab(*window, ControlsOf(*window).tabs->widget(tab));
        if (QByteArray(QTest::currentDataTag()) == "calendar-next-year")
            Click(ControlsOf(*window).nextMonth);
        QCoreApplication::processEvents();
        const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);

        const QString path = ReferencePath(QString::fromLatin1(QTest::currentDataTag()));
        if (qEnvironmentVariableIsSet("DUTYLOOP_UPDATE_PIXELS")) {
            QVERIFY2(shown.save(path), qPrintable(path));
            return;
        }
        const QImage reference(path);
        QVERIFY2(!reference.isNull(), qPrintable(path + QStringLiteral(" is missing")));
        const QString difference =
            Difference(shown, reference.convertToFormat(QImage::Format_RGB32));
        if (!difference.isEmpty()) {
            const QString actual = QDir::temp().filePath(QFileInfo(path).fileName());
            shown.save(actual);
            QFAIL(qPrintable(difference + QStringLiteral("; drawn now: ") + actual));
        }
    }
};

QTEST_MAIN(TestPixels)
#include "test_pixels.moc"
