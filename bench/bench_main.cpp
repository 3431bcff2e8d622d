// Dutyloop's speed beside Qt's own QCalendarWidget, both measured in the same run, so the
// ratios hold on a busy machine where the absolute figures do not.
//
//   dutyloop-bench                      every figure
//   dutyloop-bench --quick              fewer samples, for a first look
//   dutyloop-bench --only navigation|keys|resize|startup
//   dutyloop-bench --profile navigation|keys|resize dutyloop|baseline [steps]
//       runs one side's steps untimed, for callgrind:
//       valgrind --tool=callgrind --toggle-collect='*ProfiledSteps*' dutyloop-bench --profile ...
//   dutyloop-bench --paint-census navigation|keys|resize dutyloop|baseline
//       lists the widgets one step paints
//
// Timing: QElapsedTimer around samples of many steps; each figure is the median of its samples,
// the two sides taking turns (which goes first alternates), after one untimed sample of each.

#include "measure.h"
#include "paint_census.h"
#include "report.h"
#include "startup_figures.h"
#include "window_figures.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>

using namespace dutyloop::bench;

namespace {

struct Options {
    bool quick = false;
    QString only;
    QString profileFigure;
    QString profileSide;
    bool census = false;
    int profileSteps = 100;
};

Options ParseOptions(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--quick")) {
            options.quick = true;
        } else if (argument == QLatin1String("--only") && i + 1 < arguments.size()) {
            options.only = arguments[++i];
        } else if (argument == QLatin1String("--paint-census") && i + 2 < arguments.size()) {
            options.census = true;
            options.profileFigure = arguments[++i];
            options.profileSide = arguments[++i];
        } else if (argument == QLatin1String("--profile") && i + 2 < arguments.size()) {
            options.profileFigure = arguments[++i];
            options.profileSide = arguments[++i];
            if (i + 1 < arguments.size())
                options.profileSteps = arguments[++i].toInt();
        } else {
            std::fprintf(stderr, "unknown argument: %s\n", qPrintable(argument));
        }
    }
    return options;
}

QString Spread(const Comparison& result, const QString& unit) {
    return QStringLiteral("samples: Dutyloop %1 to %2, baseline %3 to %4 %5")
        .arg(result.dutyloop.low, 0, 'f', 3)
        .arg(result.dutyloop.high, 0, 'f', 3)
        .arg(result.baseline.low, 0, 'f', 3)
        .arg(result.baseline.high, 0, 'f', 3)
        .arg(unit);
}

void WindowFigure(const QString& figure, const SidePair& sides, const Plan& plan, double target) {
    const Comparison result = CompareInterleaved(sides.dutyloop, sides.baseline, plan);
    PrintRow({figure, Milliseconds(result.dutyloop.median), Milliseconds(result.baseline.median),
              result.ratio, target});
    PrintNote(Spread(result, QStringLiteral("ms")));
    if (const QString problems = sides.verify(); !problems.isEmpty())
        PrintNote(QStringLiteral("NOT MEASURED AS MEANT: ") + problems);
}

void StartupFigures(bool quick) {
    const StartupComparison result =
        CompareStartups(QStringLiteral(DUTYLOOP_STARTUP_PROBE),
                        QStringLiteral(DUTYLOOP_CALENDAR_PROBE), quick ? 5 : 15, quick ? 3 : 5);
    const auto ratio = [](const Timing& ours, const Timing& theirs) {
        return theirs.median > 0 ? ours.median / theirs.median : 0;
    };
    PrintRow({QStringLiteral("start-up to first paint, wall time"),
              Milliseconds(result.dutyloop.wallMs.median),
              Milliseconds(result.baseline.wallMs.median),
              ratio(result.dutyloop.wallMs, result.baseline.wallMs), 1.0});
    PrintNote(QStringLiteral("runs: Dutyloop %1 to %2, baseline %3 to %4 ms")
                  .arg(result.dutyloop.wallMs.low, 0, 'f', 1)
                  .arg(result.dutyloop.wallMs.high, 0, 'f', 1)
                  .arg(result.baseline.wallMs.low, 0, 'f', 1)
                  .arg(result.baseline.wallMs.high, 0, 'f', 1));
    PrintRow({QStringLiteral("start-up to first paint, peak memory"),
              Megabytes(result.dutyloop.peakKilobytes.median),
              Megabytes(result.baseline.peakKilobytes.median),
              ratio(result.dutyloop.peakKilobytes, result.baseline.peakKilobytes), 1.05});
    if (result.dutyloop.failedRuns + result.baseline.failedRuns > 0)
        PrintNote(QStringLiteral("NOT MEASURED AS MEANT: %1 Dutyloop and %2 baseline runs failed")
                      .arg(result.dutyloop.failedRuns)
                      .arg(result.baseline.failedRuns));
}

SidePair SidesFor(const QString& figure, Windows& windows, int keysPerSample) {
    if (figure == QLatin1String("keys"))
        return KeySides(windows, keysPerSample);
    if (figure == QLatin1String("resize"))
        return ResizeSides(windows);
    return NavigationSides(windows);
}

int Profile(const Options& options) {
    const auto windows = ShowWindows();
    const SidePair sides = SidesFor(options.profileFigure, *windows, options.profileSteps);
    const Side& side =
        options.profileSide == QLatin1String("baseline") ? sides.baseline : sides.dutyloop;
    side.reset();
    side.work(1); // the first step pays for what is made once; it is not counted
    ProfiledSteps(side, options.profileSteps);
    return 0;
}

// The offscreen platform says on every window that it cannot do what only a real screen can;
// between the figures that is noise.
void QuietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(QuietPlatformNotes);
    // The figures are taken on Qt's offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = ParseOptions(QCoreApplication::arguments());
    if (options.census) {
        const auto windows = ShowWindows();
        PrintPaintCensus(options.profileFigure, options.profileSide, *windows);
        return 0;
    }
    if (!options.profileFigure.isEmpty())
        return Profile(options);

    const bool quick = options.quick;
    const auto wanted = [&](const char* figure) {
        return options.only.isEmpty() || options.only == QLatin1String(figure);
    };
    std::printf("Dutyloop against Qt's QCalendarWidget, measured in the same run.\n"
                "QElapsedTimer samples, the two sides taking turns; figures are medians.\n");

    // The windows are shown only for the figures that use them.
    const auto windows = options.only == QLatin1String("startup") ? nullptr : ShowWindows();
    if (windows)
        std::printf("%s\n", qPrintable(DescribeWindows(*windows)));
    std::printf("\n");
    PrintHeader();
    if (wanted("navigation"))
        WindowFigure(QStringLiteral("next month + render (per event)"), NavigationSides(*windows),
                     Plan{quick ? 10 : 25, quick ? 7 : 15, 1}, 0.25);
    if (wanted("keys")) {
        const int keys = quick ? 200 : 1000;
        WindowFigure(QStringLiteral("1,000 Right-arrow keys, each rendered"),
                     KeySides(*windows, keys), Plan{keys, quick ? 3 : 7, 1000}, 0.25);
    }
    if (wanted("resize"))
        WindowFigure(QStringLiteral("resize step + render (per step)"), ResizeSides(*windows),
                     Plan{quick ? 10 : 20, quick ? 7 : 15, 1}, 0.3);
    if (wanted("startup"))
        StartupFigures(quick);
    return 0;
}
