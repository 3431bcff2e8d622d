#pragma once

#include "platform/platform.h"
#include "settings/publish_target.h"

#include <QDialog>
#include <QString>

class QButtonGroup;
class QDialogButtonBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace dutyloop {

// What the user settled in the Publish dialog: where to, and for a calendar on a server the
// password, which the window keeps in the secret store and never in the settings file.
struct PublishChoice {
    PublishTarget target;
    QString password;
};

// The question asked before a password goes to a plain http address: its title, its text and
// the caption of the button that allows it.
struct ClearTextQuestion {
    QString title;
    QString text;
    QString allow;
};
ClearTextQuestion ClearTextQuestionFor(const QString& url);

// Asks where the chosen crew's duty is published: nowhere, a CalDAV calendar (its URL, the user
// name and the password) or a folder of one iCalendar file per event; and for how many months
// from this one. OK is enabled once the target can be used. While a calendar is chosen the
// dialog asks the secret store whether it answers, and where it does not, says why and that the
// password is kept for this run only.
class PublishDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on `target`, with `password` in its field (the one the window holds); the platform
    // gives the folder dialog.
    PublishDialog(const PublishTarget& target, const QString& password, const Platform& platform,
                  QWidget* parent);

    // Puts the keyboard focus on the password, where the dialog opens to ask for it.
    void focusPassword();

    PublishChoice choice() const;
    // The secret store's own words where it did not answer; empty where it did, or has not yet.
    QString storeProblem() const { return m_storeProblem; }

public slots:
    // Where the password would travel unencrypted, asks first; OK is taken only where allowed.
    void accept() override;

private:
    void buildTargetChoice();
    void buildCalendarFields();
    void buildFolderAndMonths();
    PublishTarget::Kind kind() const;
    QString folderPath() const;
    void chooseFolder();
    void askSecretStore();
    void updateControls();

    Platform m_platform;
    PublishTarget m_start;
    bool m_storeAsked = false;
    QString m_storeProblem;
    // The plain http address the user has just allowed to receive the password.
    QString m_allowedOrigin;

    QFormLayout* m_form = nullptr; // the fields, each after its label
    QButtonGroup* m_kinds = nullptr;
    QLineEdit* m_url = nullptr;
    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLabel* m_storeNote = nullptr;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QSpinBox* m_months = nullptr;
    QLabel* m_problem = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace dutyloop
