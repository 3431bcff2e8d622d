#pragma once

#include "platform/day_changes_store.h"
#include "platform/file_services.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace dutyloop {

// The user's own days, every crew's, as the days file holds them. The store reads the file at
// start and again whenever it changes on disk (edited by hand, or put in its place by a sync
// tool), and writes each change as one step; the month, the reminders and the publishing read
// the days from here and follow `changed`.
class DaysStore : public QObject {
    Q_OBJECT
public:
    explicit DaysStore(QString path, WriteFault fault = {}, QObject* parent = nullptr);

    const QString& path() const { return m_path; }
    const DayChangesBySection& changes() const { return m_changes; }
    const DayChanges& changesOf(const QString& assignment) const {
        return DayChangesUnder(m_changes, assignment);
    }
    // Why the file could not be read when it was last read; empty where it was.
    const QString& unreadable() const { return m_unreadable; }

    // Reads the file as it stands now; false, and the days as they were, where it cannot be.
    bool reload();
    // Writes a change asked for in the day's dialog; empty where it is in the file, or the
    // message that says why not. The days held are the file's as it stands after, written or
    // not.
    QString write(const DayChangeWrite& request);

signals:
    // The days held changed: by a write, or on disk.
    void changed();

private:
    void take(const DaysFile& file);
    void watch();

    QString m_path;
    WriteFault m_fault;
    DayChangesBySection m_changes;
    QString m_unreadable;
    QFileSystemWatcher m_watcher;
    // A sync tool writes a new file and renames it over the old one; the burst of changes it
    // makes is read once.
    QTimer m_settle;
};

} // namespace dutyloop
