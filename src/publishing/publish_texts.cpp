#include "publishing/publish_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace dutyloop {

namespace {

constexpr qint64 kMinutesPerDay = 24 * 60;

// "just now", "2 minutes ago", "3 hours ago", "5 days ago". The counts are worked out before
// the texts are looked up: lupdate 6.4 hangs on a division among translate()'s arguments.
QString Ago(const QDateTime& then, const QDateTime& now) {
    const int minutes = int(std::max<qint64>(0, then.secsTo(now) / 60));
    const int hours = minutes / 60;
    const int days = int(minutes / kMinutesPerDay);
    if (minutes < 1)
        return QCoreApplication::translate("Publishing", "Published just now");
    if (minutes < 60)
        return QCoreApplication::translate("Publishing", "Published %n minutes ago", nullptr,
                                           minutes);
    if (hours < 48)
        return QCoreApplication::translate("Publishing", "Published %n hours ago", nullptr, hours);
    return QCoreApplication::translate("Publishing", "Published %n days ago", nullptr, days);
}

// The server's word for a redirect to another origin, and what the user can do about it.
QString MovedText(const QString& where) {
    return QCoreApplication::translate("Publishing", "The server moved the calendar to %1; change "
                                                     "the address in Publish… if you trust it.")
        .arg(where);
}

// Where the password was not allowed to go over plain http, and what the user can do about it.
QString UnencryptedText(const QString& where) {
    return QCoreApplication::translate(
               "Publishing",
               "%1 is not encrypted: the password would travel in clear. Use an https:// address, "
               "or allow this one once in Publish…")
        .arg(where);
}

// Said after what a run did, where the server named resources that are not the calendar's.
QString WithOutside(const QString& text, const PublishStatus& status) {
    if (status.outside == 0)
        return text;
    //: Resources a server's answer named outside the calendar collection, never touched.
    return text + u'\n' +
           QCoreApplication::translate("Publishing",
                                       "The server named %n resources outside the calendar; "
                                       "they were left alone.",
                                       nullptr, status.outside);
}

} // namespace

QString PublishProblemText(PublishProblem problem) {
    switch (problem) {
    case PublishProblem::None:
        return QString();
    case PublishProblem::BadTarget:
        return QCoreApplication::translate("Publishing", "no usable place to publish");
    case PublishProblem::Unreachable:
        return QCoreApplication::translate("Publishing", "server unreachable");
    case PublishProblem::Timeout:
        return QCoreApplication::translate("Publishing", "the server did not answer in time");
    case PublishProblem::NoPassword:
        return QCoreApplication::translate("Publishing", "no password given");
    case PublishProblem::WrongPassword:
        return QCoreApplication::translate("Publishing", "wrong user name or password");
    case PublishProblem::Forbidden:
        return QCoreApplication::translate("Publishing", "the server refused access");
    case PublishProblem::NotACalendar:
        return QCoreApplication::translate("Publishing", "no calendar at this address");
    case PublishProblem::ServerError:
        return QCoreApplication::translate("Publishing", "server error");
    case PublishProblem::BadAnswer:
        return QCoreApplication::translate("Publishing", "the server's answer cannot be read");
    case PublishProblem::UntrustedCertificate:
        return QCoreApplication::translate("Publishing", "the server's certificate is not trusted");
    case PublishProblem::FolderNotWritable:
        return QCoreApplication::translate("Publishing", "the folder cannot be written");
    case PublishProblem::Moved:
        return QCoreApplication::translate("Publishing",
                                           "the server moved the calendar to another address");
    case PublishProblem::Unencrypted:
        return QCoreApplication::translate("Publishing", "the address is not encrypted");
    case PublishProblem::StateNotKept:
        return QCoreApplication::translate("Publishing", "what was published cannot be recorded");
    }
    return QString();
}

QString PublishStatusText(const PublishStatus& status, const QDateTime& now) {
    switch (status.state) {
    case PublishStatus::State::Off:
        return QCoreApplication::translate("Publishing", "Not published");
    case PublishStatus::State::Publishing:
        return QCoreApplication::translate("Publishing", "Publishing…");
    case PublishStatus::State::Published:
        return WithOutside(Ago(status.lastComplete, now), status);
    case PublishStatus::State::Waiting:
        break;
    }
    const QString waiting = QCoreApplication::translate("Publishing", "%n changes waiting", nullptr,
                                                        status.changesWaiting);
    if (status.problem == PublishProblem::None)
        return WithOutside(waiting, status);
    if (status.problem == PublishProblem::Moved)
        return waiting + u'\n' + MovedText(status.details);
    if (status.problem == PublishProblem::Unencrypted)
        return waiting + u'\n' + UnencryptedText(status.details);
    //: The changes waiting, then why: "3 changes waiting: server unreachable".
    return QCoreApplication::translate("Publishing", "%n changes waiting: %1", nullptr,
                                       status.changesWaiting)
        .arg(PublishProblemText(status.problem));
}

QString PublishTargetName(const PublishTarget& target) {
    return target.kind == PublishTarget::Kind::Folder ? QDir::toNativeSeparators(target.folder)
                                                      : target.url;
}

QString PublishRunText(const PublishStatus& status, const PublishTarget& target) {
    //: What one publishing run did: events created, updated and deleted, and where.
    return WithOutside(
        QCoreApplication::translate("Publishing", "%L1 created, %L2 updated, %L3 deleted on %4")
            .arg(status.created)
            .arg(status.updated)
            .arg(status.deleted)
            .arg(PublishTargetName(target)),
        status);
}

QString PublishFailureText(const PublishStatus& status) {
    if (status.problem == PublishProblem::Moved)
        return MovedText(status.details);
    if (status.problem == PublishProblem::Unencrypted)
        return UnencryptedText(status.details);
    QString text = PublishProblemText(status.problem);
    if (!status.details.isEmpty())
        text += QStringLiteral(" (%1)").arg(status.details);
    if (!status.certificate.isEmpty())
        //: The certificate's fingerprint, to compare with the one the server's owner gives.
        text += u' ' + QCoreApplication::translate("Publishing", "SHA-256 fingerprint %1")
                           .arg(QString::fromLatin1(status.certificate));
    return text;
}

} // namespace dutyloop
