#include "platform/publish_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace dutyloop {

namespace {

QString Tr(const char* text, int n = -1) {
    return QCoreApplication::translate("Publishing", text, nullptr, n);
}

// "just now", "2 minutes ago", "3 hours ago", "5 days ago".
QString Ago(const QDateTime& then, const QDateTime& now) {
    const qint64 minutes = std::max<qint64>(0, then.secsTo(now) / 60);
    if (minutes < 1)
        return Tr("Published just now");
    if (minutes < 60)
        return Tr("Published %n minutes ago", int(minutes));
    if (minutes < 48 * 60)
        return Tr("Published %n hours ago", int(minutes / 60));
    return Tr("Published %n days ago", int(minutes / (24 * 60)));
}

} // namespace

QString PublishProblemText(PublishProblem problem) {
    switch (problem) {
    case PublishProblem::None:
        return QString();
    case PublishProblem::BadTarget:
        return Tr("no usable place to publish");
    case PublishProblem::Unreachable:
        return Tr("server unreachable");
    case PublishProblem::Timeout:
        return Tr("the server did not answer in time");
    case PublishProblem::WrongPassword:
        return Tr("wrong user name or password");
    case PublishProblem::Forbidden:
        return Tr("the server refused access");
    case PublishProblem::NotACalendar:
        return Tr("no calendar at this address");
    case PublishProblem::ServerError:
        return Tr("server error");
    case PublishProblem::BadAnswer:
        return Tr("the server's answer cannot be read");
    case PublishProblem::UntrustedCertificate:
        return Tr("the server's certificate is not trusted");
    case PublishProblem::FolderNotWritable:
        return Tr("the folder cannot be written");
    }
    return QString();
}

QString PublishStatusText(const PublishStatus& status, const QDateTime& now) {
    switch (status.state) {
    case PublishStatus::State::Off:
        return Tr("Not published");
    case PublishStatus::State::Publishing:
        return Tr("Publishing…");
    case PublishStatus::State::Published:
        return Ago(status.lastComplete, now);
    case PublishStatus::State::Waiting:
        break;
    }
    if (status.problem == PublishProblem::None)
        return Tr("%n changes waiting", status.changesWaiting);
    //: The changes waiting, then why: "3 changes waiting: server unreachable".
    return Tr("%n changes waiting: %1", status.changesWaiting)
        .arg(PublishProblemText(status.problem));
}

QString PublishTargetName(const PublishTarget& target) {
    return target.kind == PublishTarget::Kind::Folder ? QDir::toNativeSeparators(target.folder)
                                                      : target.url;
}

QString PublishRunText(const PublishStatus& status, const PublishTarget& target) {
    //: What one publishing run did: events created, updated and deleted, and where.
    return Tr("%L1 created, %L2 updated, %L3 deleted on %4")
        .arg(status.created)
        .arg(status.updated)
        .arg(status.deleted)
        .arg(PublishTargetName(target));
}

QString PublishFailureText(const PublishStatus& status) {
    QString text = PublishProblemText(status.problem);
    if (!status.details.isEmpty())
        text += QStringLiteral(" (%1)").arg(status.details);
    if (!status.certificate.isEmpty())
        //: The certificate's fingerprint, to compare with the one the server's owner gives.
        text += u' ' + Tr("SHA-256 fingerprint %1").arg(QString::fromLatin1(status.certificate));
    return text;
}

} // namespace dutyloop
