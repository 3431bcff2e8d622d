#include "settings_folder.h"

#include <QDir>
#include <QFile>

namespace dutyloop::bench {

std::unique_ptr<QTemporaryDir> FolderWithCrewSettings() {
    auto folder = std::make_unique<QTemporaryDir>();
    const QString settings = folder->filePath(QStringLiteral("Halvorne/Dutyloop"));
    QDir().mkpath(settings);
    QFile file(settings + QStringLiteral("/dlTornvale.ini"));
    const QByteArray text = "[Config]\nWorkAssign=5 TFS\nWeekStartsOnMonday=0\n";
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write the benchmark's settings file");
    return folder;
}

} // namespace dutyloop::bench
