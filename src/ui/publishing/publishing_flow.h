#pragma once

#include "platform/platform.h"
#include "ui/publishing/publish_state_row.h"

#include <QByteArrayList>
#include <QObject>

class QWidget;

namespace dutyloop {

struct PublishStatus;
struct PublishTarget;
class Announcer;
class DaysStore;
class DutyPublishing;
class SettingsModel;

// The window's part in publishing: the Publish dialog, where publishing stands, and the
// questions a server's answer raises. The dialogs and message boxes stand over `window`.
class PublishingFlow : public QObject {
    Q_OBJECT
public:
    PublishingFlow(QWidget* window, Platform platform, SettingsModel* settings,
                   const DaysStore* days, Announcer* announcer);

    // The Publish dialog; `forPassword` where it opens to ask for the password.
    void runPublishDialog(bool forPassword = false);
    void retryNow();
    // The day changed, and with it the months published.
    void followToday();
    // Where publishing stands, shown again: the window has just been shown.
    void showStatus();

signals:
    // Where publishing stands, for the Settings tab and the status line; empty where nothing is
    // published. `said` where the window's announcer has told it.
    void stateShown(const QString& text, dutyloop::PublishStateRow::Action action, bool said);

private:
    void showPublishStatus(const dutyloop::PublishStatus& status);
    void askForPublishPassword();
    // Says where publishing stands once it has an outcome: now, or when the run under way ends.
    void sayPublishOutcome();
    void offerPasswordEntry();
    void askToAcceptCertificate(const QByteArray& fingerprint);
    void askToSendUnencrypted();
    // Writes a target into the settings file; false where it could not be, which is said.
    bool saveTarget(const PublishTarget& target);

    QWidget* m_window = nullptr;
    Platform m_platform;
    SettingsModel* m_settings = nullptr;
    Announcer* m_announcer = nullptr;
    DutyPublishing* m_publishing = nullptr;
    // Whether the last word on publishing was a failure, so that the recovery is said.
    bool m_failing = false;
    // The user has just asked for publishing, or answered a question of it: where it ends up is
    // said, success or failure, even where a failure was said before.
    bool m_outcomeWanted = false;
    // The password is being asked for: what it leaves waiting is the answer to the question,
    // said once the question is closed.
    bool m_passwordQuestion = false;
    // The password is asked for once a run, and each untrusted certificate once.
    bool m_passwordAsked = false;
    bool m_clearTextAsked = false;
    QByteArrayList m_certificatesAsked;
};

} // namespace dutyloop
