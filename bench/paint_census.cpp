#include "paint_census.h"

#include <QApplication>
#include <QEvent>
#include <QMap>
#include <QWidget>
#include <cstdio>

namespace dutyloop::bench {

namespace {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    QMap<QString, int> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString name = watched->objectName().isEmpty()
                                     ? QString::fromLatin1(watched->metaObject()->className())
                                     : watched->objectName();
            ++counts[name];
        }
        return QObject::eventFilter(watched, event);
    }
};

void Print(const char* pass, const QMap<QString, int>& counts) {
    int total = 0;
    QStringList names;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        total += it.value();
        names << (it.value() > 1 ? QStringLiteral("%1 x%2").arg(it.key()).arg(it.value())
                                 : it.key());
    }
    std::printf("%s: %d paint events\n  %s\n", pass, total, qPrintable(names.join(u", ")));
}

} // namespace

void PrintPaintCensus(const QString& figure, const QString& side, Windows& windows) {
    const bool baseline = side == QLatin1String("baseline");
    QWidget& window =
        baseline ? static_cast<QWidget&>(*windows.calendar) : static_cast<QWidget&>(*windows.form);
    QImage& image = baseline ? windows.calendarImage : windows.formImage;
    const SidePair sides = figure == QLatin1String("keys")     ? KeySides(windows, 1)
                           : figure == QLatin1String("resize") ? ResizeSides(windows)
                                                               : NavigationSides(windows);
    const Side& measured = baseline ? sides.baseline : sides.dutyloop;
    measured.reset();
    measured.work(2);
    // One more step by hand, its two paints counted apart.
    StepOf(figure, baseline, windows)();
    {
        PaintCounter counter(nullptr);
        QCoreApplication::processEvents();
        Print("the window's own repaint", counter.counts);
    }
    {
        PaintCounter counter(nullptr);
        if (image.size() != window.size())
            image = QImage(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
        Print("render into an image", counter.counts);
    }
}

} // namespace dutyloop::bench
