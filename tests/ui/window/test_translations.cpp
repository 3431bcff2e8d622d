#include "window_fixture.h"

#include "platform/product.h"
#include "platform/translations.h"
#include "ui/about/svg_picture.h"

#include <QFontMetrics>
#include <QMap>
#include <QStyle>

using namespace dutyloop;
using namespace dutyloop::testing;

namespace {

const QByteArray kCrewSettings = "[Config]\nWorkAssign=5 TFS\n";

// Texts that are names, the same in every language: the agency, the product, the crews, the
// support addresses, and days written as numbers.
bool IsName(const QString& text) {
    static const QStringList names = {QStringLiteral("Tornvale - 5 TFS"),
                                      QStringLiteral("Dutyloop®"), QStringLiteral("5 TFS"),
                                      SupportPageUrl().toString()};
    if (names.contains(text))
        return true;
    for (QChar c : text) {
        if (!c.isDigit() && !QStringLiteral("./ ").contains(c))
            return false;
    }
    return true;
}

// Every text a user reads or hears on every tab, by where it is shown.
QMap<QString, QString> ReadableTexts(MainWindow& window) {
    QMap<QString, QString> texts;
    const Controls c = ControlsOf(window);
    for (int tab = 0; tab < c.tabs->count(); ++tab) {
        texts.insert(QStringLiteral("tab %1").arg(tab), c.tabs->tabText(tab));
        OpenTab(window, c.tabs->widget(tab));
        for (QWidget* widget : c.tabs->widget(tab)->findChildren<QWidget*>()) {
            if (!widget->isVisible())
                continue;
            const QString at = QStringLiteral("%1/%2 ").arg(tab).arg(widget->objectName());
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts.insert(at + QStringLiteral("text"), label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts.insert(at + QStringLiteral("text"), button->text());
            texts.insert(at + QStringLiteral("tip"), widget->toolTip());
            texts.insert(at + QStringLiteral("name"), widget->accessibleName());
        }
    }
    const MonthPage& page = window.monthPage();
    for (std::size_t cell = 0; cell < page.cells.size(); ++cell) {
        const QString at = QStringLiteral("cell %1 ").arg(cell);
        texts.insert(at + QStringLiteral("text"), page.cells[cell].text);
        texts.insert(at + QStringLiteral("tip"), page.cells[cell].toolTip);
        texts.insert(at + QStringLiteral("name"), page.cells[cell].accessibleName);
    }
    texts.insert(QStringLiteral("status name"), page.statusAccessibleName);
    return texts;
}

QMap<QString, QString> TextsOfWindow(const QLocale& locale) {
    WindowUnderTest window;
    window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
    WriteSettingsFile(window, kCrewSettings);
    StartWindow(window, QDate(2026, 12, 10));
    return ReadableTexts(*window);
}

// The width a push or tool button needs for its caption and icon.
int NeededWidth(const QAbstractButton* button) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width();
    return button->fontMetrics().horizontalAdvance(button->text()) + icon + margin;
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void germanWindowKeepsNoEnglishText() {
        const QMap<QString, QString> english = TextsOfWindow(QLocale(QLocale::English));
        const QLocale german(QLocale::German, QLocale::Germany);
        const Translations translations(german);
        const QMap<QString, QString> shown = TextsOfWindow(german);
        QCOMPARE(shown.keys(), english.keys());
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (it->isEmpty() || IsName(*it))
                continue;
            if (shown.value(it.key()) == *it)
                QFAIL(qPrintable(QStringLiteral("%1 is still \"%2\"").arg(it.key(), *it)));
        }
    }

    // The Help tab's picture shows the Settings tab: its captions follow the language too.
    void germanHelpPictureIsInGerman() {
        const auto pictureOf = [](const QLocale& locale) {
            WindowUnderTest window;
            window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
            StartWindow(window);
            OpenTab(*window, ControlsOf(*window).helpPage);
            return ControlsOf(*window).helpPage->findChild<SvgPicture*>()->grab().toImage();
        };
        const QImage english = pictureOf(QLocale(QLocale::English, QLocale::UnitedStates));
        const QLocale german(QLocale::German, QLocale::Germany);
        const Translations translations(german);
        const QImage shown = pictureOf(german);
        QCOMPARE(shown.size(), english.size());
        QVERIFY(shown != english);
    }

    // Every caption of every tab fits its control in the opening window, and the legend's words
    // keep off their cells' borders: a longer word in another language takes the room it needs.
    void captionsFitTheOpeningWindow_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    }
    void captionsFitTheOpeningWindow() {
        QFETCH(QLocale, locale);
        const Translations translations(locale);
        WindowUnderTest window;
        window.adjustPlatform = [locale](Platform& platform) { platform.locale = locale; };
        WriteSettingsFile(window, kCrewSettings);
        StartWindow(window, QDate(2026, 12, 10));
        const Controls c = ControlsOf(*window);
        QTabBar* bar = c.tabs->tabBar();
        const int tabSpace = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int tab = 0; tab < c.tabs->count(); ++tab) {
            QVERIFY2(bar->fontMetrics().horizontalAdvance(bar->tabText(tab)) + tabSpace <=
                         bar->tabRect(tab).width(),
                     qPrintable(bar->tabText(tab)));
            QWidget* page = c.tabs->widget(tab);
            OpenTab(*window, page);
            for (QWidget* widget : page->findChildren<QWidget*>()) {
                if (!widget->isVisible())
                    continue;
                if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
                    QVERIFY2(WidestLine(label->fontMetrics(), label->text()) <=
                                 label->contentsRect().width(),
                             qPrintable(label->text()));
                if (auto* button = qobject_cast<QAbstractButton*>(widget);
                    button && !button->text().isEmpty()) {
                    QVERIFY2(NeededWidth(button) <= button->width(), qPrintable(button->text()));
                    // Nor is the button itself cut off by the page's edge.
                    const QRect onPage(button->mapTo(page, QPoint(0, 0)), button->size());
                    QVERIFY2(page->rect().contains(onPage), qPrintable(button->text()));
                }
            }
        }
        OpenTab(*window, c.calendarPage);
        const QImage drawn = c.monthView->grab().toImage();
        const qreal ratio = drawn.devicePixelRatio();
        for (int cell : {kFirstLegendCell, kFirstLegendCell + 1}) {
            const QRect bounds = c.monthView->cellRect(cell);
            const QRect inDrawn(bounds.topLeft() * ratio, bounds.size() * ratio);
            // The cell's fill, just inside its border, where no text reaches.
            const QColor fill = drawn.pixelColor(inDrawn.topLeft() + QPoint(2, 2));
            int firstText = inDrawn.right();
            int lastText = inDrawn.left();
            for (int y = inDrawn.top() + 2; y < inDrawn.bottom() - 1; ++y) {
                for (int x = inDrawn.left() + 1; x < inDrawn.right(); ++x) {
                    const QColor at = drawn.pixelColor(x, y);
                    if (std::abs(at.red() - fill.red()) + std::abs(at.green() - fill.green()) +
                            std::abs(at.blue() - fill.blue()) >
                        60) {
                        firstText = std::min(firstText, x);
                        lastText = std::max(lastText, x);
                    }
                }
            }
            const QString& text = window->monthPage().cells[static_cast<std::size_t>(cell)].text;
            QVERIFY2(lastText > firstText, qPrintable(text));
            QVERIFY2(firstText - inDrawn.left() >= 3 && inDrawn.right() - lastText >= 3,
                     qPrintable(QStringLiteral("%1 from %2 to %3 in %4 to %5")
                                    .arg(text)
                                    .arg(firstText)
                                    .arg(lastText)
                                    .arg(inDrawn.left())
                                    .arg(inDrawn.right())));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
