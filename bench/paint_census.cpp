#include "paint_census.h"

#include <QApplication>
#include <QMap>
#include <QPaintEvent>
#include <QWidget>
#include <cstdio>

namespace dutyloop::bench {

namespace {

// What one widget painted in a pass: how often, and how many of its pixels, so that a view
// which draws many parts in one widget shows whether it redrew a few of them or all.
struct Painted {
    int events = 0;
    qint64 pixels = 0;
};

qint64 PixelsOf(const QRegion& region) {
    qint64 pixels = 0;
    for (const QRect& rect : region)
        pixels += static_cast<qint64>(rect.width()) * rect.height();
    return pixels;
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }

    QMap<QString, Painted> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const QString name = watched->objectName().isEmpty()
                                     ? QString::fromLatin1(watched->metaObject()->className())
                                     : watched->objectName();
            Painted& entry = painted[name];
            ++entry.events;
            entry.pixels += PixelsOf(static_cast<QPaintEvent*>(event)->region());
        }
        return QObject::eventFilter(watched, event);
    }
};

void Print(const char* pass, const QMap<QString, Painted>& painted) {
    int events = 0;
    qint64 pixels = 0;
    QStringList names;
    for (auto it = painted.begin(); it != painted.end(); ++it) {
        events += it->events;
        pixels += it->pixels;
        const QString times = it->events > 1 ? QStringLiteral(" x%1").arg(it->events) : QString();
        names << QStringLiteral("%1%2 %3 px").arg(it.key(), times).arg(it->pixels);
    }
    std::printf("%s: %d paint events, %lld px\n  %s\n", pass, events,
                static_cast<long long>(pixels), qPrintable(names.join(u", ")));
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
        Print("the window's own repaint", counter.painted);
    }
    {
        PaintCounter counter(nullptr);
        if (image.size() != window.size())
            image = QImage(window.size(), QImage::Format_ARGB32_Premultiplied);
        window.render(&image);
        Print("render into an image", counter.painted);
    }
}

} // namespace dutyloop::bench
