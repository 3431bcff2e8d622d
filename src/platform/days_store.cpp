#include "platform/days_store.h"

#include <QFileInfo>

#include <utility>

namespace dutyloop {

namespace {

constexpr int kSettleMs = 100;

} // namespace

DaysStore::DaysStore(QString path, WriteFault fault, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_fault(std::move(fault)) {
    const DaysFile file = ReadDaysFile(m_path);
    m_changes = file.changes.value_or(DayChangesBySection());
    m_unreadable = file.unreadable;
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        reload();
        watch();
    });
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    watch();
}

// The folder is watched for a file made or put in the file's place, the file for an edit in
// place; a file renamed over the old one is watched anew.
void DaysStore::watch() {
    const QString folder = QFileInfo(m_path).absolutePath();
    QStringList wanted;
    if (QFileInfo::exists(folder))
        wanted.append(folder);
    if (QFileInfo::exists(m_path))
        wanted.append(m_path);
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!wanted.isEmpty())
        m_watcher.addPaths(wanted);
}

bool DaysStore::reload() {
    const DaysFile file = ReadDaysFile(m_path);
    if (!file.changes) {
        m_unreadable = file.unreadable;
        return false;
    }
    take(file);
    return true;
}

QString DaysStore::write(const DayChangeWrite& request) {
    DayChangeWrite toFile = request;
    toFile.path = m_path;
    const DayChangeWritten written = WriteDayChange(toFile, m_fault);
    if (written.file.changes)
        take(written.file);
    watch();
    return written.refusal;
}

void DaysStore::take(const DaysFile& file) {
    m_unreadable.clear();
    if (*file.changes == m_changes)
        return;
    m_changes = *file.changes;
    emit changed();
}

} // namespace dutyloop
