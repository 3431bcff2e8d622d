// The window's part in publishing: the Publish dialog, where publishing stands on the Settings
// tab and in the status line's tooltip, and the questions a server's answer raises.

#include "ui/window/main_window.h"

#include "platform/days_store.h"
#include "platform/holiday_calendar.h"
#include "platform/settings_model.h"
#include "publishing/publish_status.h"
#include "publishing/publish_texts.h"
#include "ui/calendar/calendar_page.h"
#include "ui/parts/announcer.h"
#include "ui/publishing/duty_publishing.h"
#include "ui/publishing/publish_dialog.h"
#include "ui/settings/settings_page.h"
#include "ui/window/duty_reminders.h"

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
    QPushButton* cancel = box->addButton(MainWindow::tr("Cancel"), QMessageBox::RejectRole);
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

void MainWindow::startPublishing() {
    m_publishing =
        new DutyPublishing(QFileInfo(settingsFilePath()).absolutePath(), m_platform.now, this);
    connect(m_publishing, &DutyPublishing::statusChanged, this, &MainWindow::showPublishStatus);
    connect(m_publishing, &DutyPublishing::passwordWanted, this, [this] {
        m_publishPasswordQuestion = true;
        // Asked once the window is there to stand over.
        QTimer::singleShot(0, this, [this] { askForPublishPassword(); });
    });
    connect(m_publishing, &DutyPublishing::passwordNotKept, this, [this](const QString& problem) {
        m_platform.showError(this, tr("The secret store did not keep the password: %1\n"
                                      "It is kept until Dutyloop closes.")
                                       .arg(problem));
    });
    connect(m_settingsPage, &SettingsPage::publishRequested, this, [this] { runPublishDialog(); });
    connect(m_settingsPage, &SettingsPage::publishRetryRequested, this, [this] {
        m_publishOutcomeWanted = true;
        m_publishing->retryNow();
    });
    connect(m_settingsPage, &SettingsPage::publishPasswordRequested, this,
            [this] { runPublishDialog(true); });
    // The duty first, so that the target, once set, is given it at once.
    // What leaves the window is the saved settings' duty, as `--publish` gives it.
    m_publishing->follow(m_settings, m_days);
    m_publishing->start(m_settings->saved().publish);
    showPublishStatus(m_publishing->status());
}

void MainWindow::runPublishDialog(bool forPassword) {
    PublishDialog dialog(m_settings->saved().publish, m_publishing->password(), m_platform, this);
    if (forPassword)
        dialog.focusPassword();
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The question asked at start, left unanswered, is answered by where publishing stands
    // without the password.
    if (std::exchange(m_publishPasswordQuestion, false) && !accepted)
        sayPublishOutcome();
    if (!accepted)
        return;
    const PublishChoice choice = dialog.choice();
    if (!saveTarget(choice.target))
        return;
    // Where the store did not answer the dialog, the password is kept for this run only.
    if (choice.target.kind == PublishTarget::Kind::CalDav && dialog.storeProblem().isEmpty())
        m_publishing->keepPassword(choice.target, choice.password);
    m_publishOutcomeWanted = choice.target.kind != PublishTarget::Kind::None;
    m_publishing->setTarget(choice.target, choice.password);
    // A target that starts no run, as one already published, has its outcome now.
    if (m_publishOutcomeWanted)
        showPublishStatus(m_publishing->status());
}

void MainWindow::sayPublishOutcome() {
    m_publishOutcomeWanted = true;
    showPublishStatus(m_publishing->status());
}

// Once a run: at start where the secret store gave no password, or when the server refuses it.
void MainWindow::askForPublishPassword() {
    if (!std::exchange(m_publishPasswordAsked, true))
        runPublishDialog(true);
    m_publishPasswordQuestion = false;
}

void MainWindow::showPublishStatus(const PublishStatus& status) {
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
    const bool said = isVisible() && outcome && !m_publishPasswordQuestion &&
                      (m_publishOutcomeWanted || failed != m_publishFailing);
    m_settingsPage->showPublishState(text, action, said);
    m_calendarPage->showPublishState(text);
    if (said) {
        m_publishFailing = failed;
        m_publishOutcomeWanted = false;
        m_announcer->announce(text);
    }
    if (!failed)
        return;
    if (status.problem == PublishProblem::UntrustedCertificate && !status.certificate.isEmpty())
        askToAcceptCertificate(status.certificate);
    else if (status.problem == PublishProblem::WrongPassword && !m_publishPasswordAsked)
        offerPasswordEntry();
}

void MainWindow::offerPasswordEntry() {
    m_publishPasswordAsked = true;
    Ask(this, tr("Publish Duty Calendar"),
        tr("The server refused the user name or password for %1.\n"
           "The duty waits until the server takes the password.")
            .arg(m_settings->saved().publish.url),
        tr("Enter Password…"), [this] { runPublishDialog(true); });
}

// Asked once a run for each certificate; accepting it keeps its fingerprint with the target, and
// the server is tried again at once.
void MainWindow::askToAcceptCertificate(const QByteArray& fingerprint) {
    if (m_certificatesAsked.contains(fingerprint))
        return;
    m_certificatesAsked.append(fingerprint);
    Ask(this, tr("Untrusted Certificate"),
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

} // namespace dutyloop
