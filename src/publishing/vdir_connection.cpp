#include "publishing/vdir_connection.h"

#include "calendar/ical_reader.h"
#include "calendar/published_duty.h"
#include "platform/file_services.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <cerrno>
#include <cstring>

namespace dutyloop {

namespace {

// A file's version: its content's hash, which any change, by any program, changes.
QByteArray VersionOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32);
}

PublishFailure NotWritable(const QString& text) {
    return {PublishProblem::FolderNotWritable, text, {}};
}

} // namespace

VdirConnection::VdirConnection(QString folder) : m_folder(std::move(folder)) {}

void VdirConnection::discover(Discovered done) {
    QList<HeldEvent> held;
    PublishFailure failure;
    if (!CreateDirectoryWithParents(m_folder)) {
        failure = NotWritable(QCoreApplication::translate("Publishing", "Unable to make %1: %2")
                                  .arg(QDir::toNativeSeparators(m_folder),
                                       QString::fromLocal8Bit(std::strerror(errno))));
    } else {
        const QDir folder(m_folder);
        for (const QString& name :
             folder.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name)) {
            const std::optional<QByteArray> bytes = ReadFileBytes(folder.filePath(name));
            const QList<IcalEvent> events =
                bytes ? IcalCalendarFromText(*bytes).events : QList<IcalEvent>();
            if (events.isEmpty())
                continue;
            const IcalEvent& event = events.first();
            held.append(
                {name, VersionOf(*bytes), event.uid, event.start.date, HoldsOtherUids(events)});
        }
    }
    QTimer::singleShot(0, this, [done = std::move(done), held, failure] { done(held, failure); });
}

void VdirConnection::send(const PublishStep& step, Sent done) {
    const QString path = QDir(m_folder).filePath(step.href);
    PublishFailure failure;
    QByteArray version;
    if (step.action == PublishStep::Action::Delete) {
        if (!QFile::remove(path) && QFile::exists(path))
            failure = NotWritable(QCoreApplication::translate("Publishing", "Unable to delete %1")
                                      .arg(QDir::toNativeSeparators(path)));
    } else if (const FileWrite write =
                   WriteFileAtomicallyWithReason(path, step.ics, {}, SymbolicLinks::Replace);
               write.written) {
        version = VersionOf(step.ics);
    } else {
        failure = NotWritable(UnableToWriteMessage(path, write.reason));
    }
    QTimer::singleShot(0, this,
                       [done = std::move(done), version, failure] { done(version, failure); });
}

} // namespace dutyloop
