#include "publishing/secret_store.h"

#include <QEventLoop>
#include <QPointer>

#include <qt6keychain/keychain.h>

namespace dutyloop {

namespace {

// One service name for every entry, so that the desktop's password manager shows them together.
const QString kService = QStringLiteral("Dutyloop");

SecretAnswer AnswerOf(const QKeychain::Job& job) {
    SecretAnswer answer;
    switch (job.error()) {
    case QKeychain::NoError:
        answer.outcome = SecretAnswer::Outcome::Done;
        break;
    case QKeychain::EntryNotFound:
        answer.outcome = SecretAnswer::Outcome::NotFound;
        break;
    default:
        answer.outcome = SecretAnswer::Outcome::NoStore;
        answer.problem = job.errorString();
        break;
    }
    if (const auto* read = qobject_cast<const QKeychain::ReadPasswordJob*>(&job))
        answer.password =
            answer.outcome == SecretAnswer::Outcome::Done ? read->textData() : QString();
    return answer;
}

// The job deletes itself once finished; the answer reaches `done` only while `context` lives.
void Run(QKeychain::Job* job, const PublishTarget& target, QObject* context, SecretCallback done) {
    job->setAutoDelete(true);
    job->setKey(PublishTargetKey(target));
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [done = std::move(done)](QKeychain::Job* finished) {
                         if (done)
                             done(AnswerOf(*finished));
                     });
    job->start();
}

} // namespace

void ReadPassword(const PublishTarget& target, QObject* context, SecretCallback done) {
    Run(new QKeychain::ReadPasswordJob(kService), target, context, std::move(done));
}

void WritePassword(const PublishTarget& target, const QString& password, QObject* context,
                   SecretCallback done) {
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setTextData(password);
    Run(job, target, context, std::move(done));
}

void DeletePassword(const PublishTarget& target, QObject* context, SecretCallback done) {
    Run(new QKeychain::DeletePasswordJob(kService), target, context, std::move(done));
}

SecretAnswer ReadPasswordNow(const PublishTarget& target) {
    QObject context;
    QEventLoop loop;
    SecretAnswer answer;
    bool answered = false;
    ReadPassword(target, &context, [&](const SecretAnswer& read) {
        answer = read;
        answered = true;
        loop.quit();
    });
    if (!answered)
        loop.exec();
    return answer;
}

} // namespace dutyloop
