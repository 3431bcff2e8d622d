// Publishing as the window meets it: the dialog, where publishing stands, and the questions a
// server's answer raises.

#include "ui/publishing/publishing_flow.h"

#include "platform/settings_model.h"
#include "publishing/publish_status.h"
#include "publishing/publish_texts.h"
#include "ui/parts/announcer.h"
#include "ui/publishing/duty_publishing.h"
#include "ui/publishing/publish_dialog.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <utility>

namespace dutyloop {

namespace {

using State = PublishStatus::State;

// "3A:F0:…", as browsers and servers show a fingerprint.
QString FingerprintText(const QByteArray& hex) {
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2)
        pairs.append(QString::fromLatin1(hex.mid(i, 2)).toUpper());
    return pairs.join(QLatin1Char(':'));
}

// A question in a box that leaves the window running: publishing goes on while it is open.
// `accepted` follows where the user presses `acceptCaption`; Cancel and Escape leave all as it is.
void Ask(QWidget* window, const QString& title, const QString& text, const QString& acceptCaption,
         std::function<void()> accepted) {
    auto* box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::NoButton, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    QPushButton* accept = box->addButton(acceptCaption, QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(PublishingFlow::tr("Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    QObject::connect(box, &QMessageBox::buttonClicked, window,
                     [accept, accepted = std::move(accepted)](QAbstractButton* clicked) {
                         if (clicked == accept)
                             accepted();
                     });
    box->open();
}

} // namespace

PublishingFlow::PublishingFlow(QWidget* window, Platform platform, SettingsModel* settings,
                               const DaysStore* days, Announcer* announcer)
    : QObject(window), m_window(window), m_platform(std::move(platform)), m_settings(settings),
      m_announcer(announcer) {
    m_publishing =
        new DutyPublishing(QFileInfo(settings->path()).absolutePath(), m_platform.now, this);
    connect(m_publishing, &DutyPublishing::statusChanged, this, &PublishingFlow::showPublishStatus);
    connect(m_publishing, &DutyPublishing::passwordWanted, this, [this] {
        m_passwordQuestion = true;
        // Asked once the window is there to stand over.
        QTimer::singleShot(0, this, [this] { askForPublishPassword(); });
    });
    connect(m_publishing, &DutyPublishing::passwordNotKept, this, [this](const QString& problem) {
        m_platform.showError(m_window, tr("The secret store did not keep the password: %1\n"
                                          "It is kept until Dutyloop closes.")
                                           .arg(problem));
    });
    // The calendar shown may differ from the one published until the settings are saved.
    connect(settings, &SettingsModel::modifiedChanged, this, &PublishingFlow::showStatus);
    // The duty first, so that the target, once set, is given it at once.
    // What leaves the window is the saved settings' duty, as `--publish` gives it.
    m_publishing->follow(settings, days);
    m_publishing->start(settings->saved().publish);
}

void PublishingFlow::retryNow() {
    m_outcomeWanted = true;
    m_publishing->retryNow();
}

void PublishingFlow::followToday() {
    m_publishing->followToday();
}

void PublishingFlow::showStatus() {
    showPublishStatus(m_publishing->status());
}

bool PublishingFlow::saveTarget(const PublishTarget& target) {
    const QString problem = m_settings->saveTarget(target, m_platform.writeFault);
    if (!problem.isEmpty())
        m_platform.showError(m_window, problem);
    return problem.isEmpty();
}

void PublishingFlow::runPublishDialog(bool forPassword) {
    PublishDialog dialog(m_settings->saved().publish, m_publishing->password(), m_platform,
                         m_window);
    if (forPassword)
        dialog.focusPassword();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The question asked at start, left unanswered, is answered by where publishing stands
    // without the password.
    if (std::exchange(m_passwordQuestion, false) && !accepted)
        sayPublishOutcome();
    if (!accepted)
        return;
    const PublishChoice choice = dialog.choice();
    if (!saveTarget(choice.target))
        return;
    // Where the store did not answer the dialog, the password is kept for this run only.
    if (choice.target.kind == PublishTarget::Kind::CalDav && dialog.storeProblem().isEmpty())
        m_publishing->keepPassword(choice.target, choice.password);
    m_outcomeWanted = choice.target.kind != PublishTarget::Kind::None;
    m_publishing->setTarget(choice.target, choice.password);
    // A target that starts no run, as one already published, has its outcome now.
    if (m_outcomeWanted)
        showPublishStatus(m_publishing->status());
}

void PublishingFlow::sayPublishOutcome() {
    m_outcomeWanted = true;
    showPublishStatus(m_publishing->status());
}

// Once a run: at start where the secret store gave no password, or when the server refuses it.
void PublishingFlow::askForPublishPassword() {
    if (!std::exchange(m_passwordAsked, true))
        runPublishDialog(true);
    m_passwordQuestion = false;
}

void PublishingFlow::showPublishStatus(const PublishStatus& status) {
    // Changes that wait for a reason; without one they wait only for the run about to start.
    const bool failed = status.state == State::Waiting && status.problem != PublishProblem::None;
    QString text =
        status.state == State::Off ? QString() : PublishStatusText(status, m_platform.now());
    // The calendar shown may differ from the one published until the settings are saved.
    if (!text.isEmpty() && m_settings->isModified())
        text = tr("%1\nChanges not yet saved are published once saved.").arg(text);
    const bool passwordWanted = status.problem == PublishProblem::WrongPassword ||
                                status.problem == PublishProblem::NoPassword;
    const PublishStateRow::Action action = !failed          ? PublishStateRow::Action::None
                                           : passwordWanted ? PublishStateRow::Action::EnterPassword
                                                            : PublishStateRow::Action::TryAgain;
    // A screen reader hears of a failure and of the recovery from it, not of every run, and
    // where a run the user asked for ends; a failure before the window shows is said when it
    // does, and one that a question about the password leaves once the question is closed.
    const bool outcome = failed || status.state == State::Published;
    const bool said = m_window->isVisible() && outcome && !m_passwordQuestion &&
                      (m_outcomeWanted || failed != m_failing);
    emit stateShown(text, action, said);
    if (said) {
        m_failing = failed;
        m_outcomeWanted = false;
        m_announcer->announce(text);
    }
    if (!failed)
        return;
    if (status.problem == PublishProblem::UntrustedCertificate && !status.certificate.isEmpty())
        askToAcceptCertificate(status.certificate);
    else if (status.problem == PublishProblem::WrongPassword && !m_passwordAsked)
        offerPasswordEntry();
    else if (status.problem == PublishProblem::Unencrypted && !m_clearTextAsked)
        askToSendUnencrypted();
}

void PublishingFlow::offerPasswordEntry() {
    m_passwordAsked = true;
    Ask(m_window, tr("Publish Duty Calendar"),
        tr("The server refused the user name or password for %1.\n"
           "The duty waits until the server takes the password.")
            .arg(m_settings->saved().publish.url),
        tr("Enter Password…"), [this] { runPublishDialog(true); });
}

// Asked once a run for each certificate; accepting it keeps its fingerprint with the target, and
// the server is tried again at once.
void PublishingFlow::askToAcceptCertificate(const QByteArray& fingerprint) {
    if (m_certificatesAsked.contains(fingerprint))
        return;
    m_certificatesAsked.append(fingerprint);
    Ask(m_window, tr("Untrusted Certificate"),
        tr("The certificate of %1 cannot be verified, so Dutyloop cannot tell whether the "
           "server is the one you mean.\n\nIts SHA-256 fingerprint is:\n%2\n\n"
           "Accept it only where it is the fingerprint that the server's owner gives.")
            .arg(m_settings->saved().publish.url, FingerprintText(fingerprint)),
        tr("Accept"), [this, fingerprint] {
            PublishTarget target = m_settings->saved().publish;
            target.certificate = fingerprint;
            if (!saveTarget(target))
                return;
            m_publishing->setTarget(target, m_publishing->password());
        });
}

// Asked once a run where the saved address is plain http and the password was never allowed to
// go there, as after the address was written into the settings file by hand.
void PublishingFlow::askToSendUnencrypted() {
    m_clearTextAsked = true;
    const ClearTextQuestion question = ClearTextQuestionFor(m_settings->saved().publish.url);
    Ask(m_window, question.title, question.text, question.allow, [this] {
        PublishTarget target = m_settings->saved().publish;
        target.unencrypted = OriginOf(target.url);
        if (!saveTarget(target))
            return;
        m_publishing->setTarget(target, m_publishing->password());
        // The password, not asked for while it could not go, is asked for now.
        if (m_publishing->password().isEmpty() && !target.user.isEmpty())
            runPublishDialog(true);
    });
}

} // namespace dutyloop
