#include "startup_figures.h"

#include "settings_folder.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <optional>
#include <vector>

namespace dutyloop::bench {

namespace {

constexpr int kRunTimeoutMs = 20000;

struct Probe {
    QString program;
    std::vector<double> wallMs;
    std::vector<double> peakKilobytes;
    int failedRuns = 0;
};

// The start-up reads the settings under XDG_CONFIG_HOME: here a folder of the run's own.
QProcessEnvironment ProbeEnvironment(const QString& configFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    return environment;
}

bool Finished(QProcess& process) {
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

std::optional<double> WallMs(const QString& program, const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProgram(program);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start();
    if (!Finished(process))
        return std::nullopt;
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// /usr/bin/time -f %M writes the peak resident set size in kilobytes as its last line.
std::optional<double> PeakKilobytes(const QString& program,
                                    const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProgram(QStringLiteral("/usr/bin/time"));
    process.setArguments({QStringLiteral("-f"), QStringLiteral("%M"), program});
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!Finished(process))
        return std::nullopt;
    const QList<QByteArray> lines = process.readAllStandardError().trimmed().split('\n');
    bool ok = false;
    const double kilobytes = lines.isEmpty() ? 0 : lines.last().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(kilobytes) : std::nullopt;
}

void Record(std::vector<double>& into, std::optional<double> value, int& failedRuns) {
    if (value)
        into.push_back(*value);
    else
        ++failedRuns;
}

ProcessFigures FiguresOf(const Probe& probe) {
    return {TimingOf(probe.wallMs), TimingOf(probe.peakKilobytes), probe.failedRuns};
}

} // namespace

StartupComparison CompareStartups(const QString& probe, const QString& baselineProbe, int wallRuns,
                                  int memoryRuns) {
    const auto folder = FolderWithCrewSettings();
    const QProcessEnvironment environment = ProbeEnvironment(folder->path());
    Probe ours{probe, {}, {}, 0};
    Probe theirs{baselineProbe, {}, {}, 0};

    // One untimed run of each brings the libraries and fonts into the page cache.
    WallMs(ours.program, environment);
    WallMs(theirs.program, environment);
    for (int i = 0; i < wallRuns; ++i) {
        Probe& first = i % 2 == 0 ? ours : theirs;
        Probe& second = i % 2 == 0 ? theirs : ours;
        Record(first.wallMs, WallMs(first.program, environment), first.failedRuns);
        Record(second.wallMs, WallMs(second.program, environment), second.failedRuns);
    }
    for (int i = 0; i < memoryRuns; ++i) {
        for (Probe* each : {&ours, &theirs})
            Record(each->peakKilobytes, PeakKilobytes(each->program, environment),
                   each->failedRuns);
    }
    return {FiguresOf(ours), FiguresOf(theirs)};
}

} // namespace dutyloop::bench
