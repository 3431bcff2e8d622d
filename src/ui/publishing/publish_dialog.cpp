#include "ui/publishing/publish_dialog.h"

#include "publishing/clear_text.h"
#include "publishing/secret_store.h"
#include "ui/parts/hidden_text.h"
#include "ui/parts/spoken_steps.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

namespace {

using Kind = PublishTarget::Kind;

QLabel* NoteLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The field's label in the form, greyed with it.
void EnableRow(QFormLayout* form, QWidget* field, bool enabled) {
    field->setEnabled(enabled);
    if (QWidget* label = form->labelForField(field))
        label->setEnabled(enabled);
}

} // namespace

ClearTextQuestion ClearTextQuestionFor(const QString& url) {
    return {PublishDialog::tr("Unencrypted Address"),
            PublishDialog::tr("%1 is not encrypted: the user name, the password and the duty "
                              "would travel in clear, and anyone on the network on the way "
                              "could read them.\n\nUse an https:// address where the server has "
                              "one. Send the password unencrypted to this address?")
                .arg(url),
            PublishDialog::tr("Send Unencrypted")};
}

PublishDialog::PublishDialog(const PublishTarget& target, const QString& password,
                             const Platform& platform, QWidget* parent)
    : QDialog(parent), m_platform(platform), m_start(target) {
    HideHiddenTextFromScreenReaders();
    setObjectName(QStringLiteral("publishDialog"));
    setWindowTitle(tr("Publish Duty Calendar"));
    // Built in the order the Tab key goes: the target, its fields, the months, OK and Cancel.
    buildTargetChoice();
    buildCalendarFields();
    buildFolderAndMonths();
    m_problem = NoteLabel(this, "publishProblem");
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    layout()->addWidget(m_problem);
    layout()->addWidget(m_buttons);

    m_url->setText(target.url);
    m_user->setText(target.user);
    m_password->setText(password);
    m_folder->setText(QDir::toNativeSeparators(target.folder));
    m_months->setValue(target.months);
    m_kinds->button(static_cast<int>(target.kind))->setChecked(true);

    connect(m_kinds, &QButtonGroup::idToggled, this, &PublishDialog::updateControls);
    for (QLineEdit* field : {m_url, m_folder})
        connect(field, &QLineEdit::textChanged, this, &PublishDialog::updateControls);
    connect(m_browse, &QPushButton::clicked, this, &PublishDialog::chooseFolder);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateControls();
}

void PublishDialog::buildTargetChoice() {
    auto* column = new QVBoxLayout(this);
    auto* box = new QGroupBox(tr("Publish the duty to"), this);
    auto* choices = new QVBoxLayout(box);
    m_kinds = new QButtonGroup(this);
    const struct {
        Kind kind;
        const char* name;
        QString caption;
    } kinds[] = {
        {Kind::None, "notPublishedButton", tr("&Not published")},
        {Kind::CalDav, "calendarButton", tr("A Cal&DAV calendar on a server")},
        {Kind::Folder, "folderButton", tr("A &folder, one file per event")},
    };
    for (const auto& made : kinds) {
        auto* button = new QRadioButton(made.caption, box);
        button->setObjectName(QString::fromLatin1(made.name));
        m_kinds->addButton(button, static_cast<int>(made.kind));
        choices->addWidget(button);
    }
    column->addWidget(box);
    m_form = new QFormLayout;
    column->addLayout(m_form);
}

void PublishDialog::buildCalendarFields() {
    QFormLayout* form = m_form;
    m_url = new QLineEdit(this);
    m_url->setObjectName(QStringLiteral("urlEdit"));
    m_url->setPlaceholderText(QStringLiteral("https://dav.example.org/calendars/kim/duty/"));
    // Room for a whole calendar URL.
    m_url->setMinimumWidth(320);
    form->addRow(tr("UR&L:"), m_url);
    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("userEdit"));
    form->addRow(tr("U&ser name:"), m_user);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("passwordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&Password:"), m_password);
    // Unseen until the secret store has not answered.
    m_storeNote = NoteLabel(this, "storeNote");
    m_storeNote->hide();
    form->addRow(QString(), m_storeNote);
}

void PublishDialog::buildFolderAndMonths() {
    QFormLayout* form = m_form;
    m_folder = new QLineEdit(this);
    m_folder->setObjectName(QStringLiteral("folderEdit"));
    m_browse = new QPushButton(tr("&Browse…"), this);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_browse->setAccessibleName(tr("Choose the folder"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    // A row of a field and a button has no label of its own for the field; this one names it.
    auto* folderLabel = new QLabel(tr("Folde&r:"), this);
    folderLabel->setBuddy(m_folder);
    form->addRow(folderLabel, folderRow);

    m_months = new QSpinBox(this);
    m_months->setObjectName(QStringLiteral("monthsBox"));
    m_months->setRange(kMinPublishMonths, kMaxPublishMonths);
    m_months->setAccessibleName(tr("Months published, from this month on"));
    SayEachStep(m_months);
    auto* monthsRow = new QHBoxLayout;
    monthsRow->addWidget(m_months);
    monthsRow->addWidget(new QLabel(tr("from this month on"), this), 1);
    auto* monthsLabel = new QLabel(tr("&Months:"), this);
    monthsLabel->setBuddy(m_months);
    form->addRow(monthsLabel, monthsRow);
}

PublishTarget::Kind PublishDialog::kind() const {
    return static_cast<Kind>(std::max(0, m_kinds->checkedId()));
}

// A path from the top, where "~" stands for the home folder; empty for any other.
QString PublishDialog::folderPath() const {
    QString text = m_folder->text().trimmed();
    if (text == u"~" || text.startsWith(QStringLiteral("~/")))
        text.replace(0, 1, QDir::homePath());
    return QDir::isAbsolutePath(text) ? QDir::cleanPath(QDir::fromNativeSeparators(text))
                                      : QString();
}

void PublishDialog::focusPassword() {
    m_password->setFocus(Qt::OtherFocusReason);
}

PublishChoice PublishDialog::choice() const {
    PublishTarget target = m_start;
    target.kind = kind();
    target.url = UsablePublishUrl(m_url->text());
    target.user = m_user->text().trimmed();
    target.folder = folderPath();
    target.months = m_months->value();
    // A certificate accepted for one server says nothing of another's, nor an allowance to
    // send the password unencrypted.
    if (target.url != m_start.url)
        target.certificate.clear();
    if (!m_allowedOrigin.isEmpty())
        target.unencrypted = m_allowedOrigin;
    if (target.unencrypted != OriginOf(target.url))
        target.unencrypted.clear();
    return {target, target.kind == Kind::CalDav ? m_password->text() : QString()};
}

void PublishDialog::accept() {
    const PublishTarget target = choice().target;
    if (!PasswordMayGo(target)) {
        const ClearTextQuestion question = ClearTextQuestionFor(target.url);
        QMessageBox box(QMessageBox::Warning, question.title, question.text, QMessageBox::NoButton,
                        this);
        box.setTextFormat(Qt::PlainText);
        QPushButton* allow = box.addButton(question.allow, QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() != allow)
            return;
        m_allowedOrigin = OriginOf(target.url);
    }
    QDialog::accept();
}

void PublishDialog::chooseFolder() {
    const QString from = folderPath().isEmpty() ? m_platform.documentsFolder : folderPath();
    const QString chosen = m_platform.chooseFolder
                               ? m_platform.chooseFolder(this, tr("Folder for the Duty"), from)
                               : QString();
    if (!chosen.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(chosen));
}

// Asked once, when a calendar is first chosen: whether a password can be kept at all, so that
// the user knows before OK.
void PublishDialog::askSecretStore() {
    if (m_storeAsked)
        return;
    m_storeAsked = true;
    const PublishTarget asked = choice().target;
    ReadPassword(asked, this, [this, asked](const SecretAnswer& answer) {
        if (answer.outcome == SecretAnswer::Outcome::Done && m_password->text().isEmpty() &&
            PublishTargetKey(choice().target) == PublishTargetKey(asked))
            m_password->setText(answer.password);
        if (answer.outcome != SecretAnswer::Outcome::NoStore)
            return;
        m_storeProblem = answer.problem.isEmpty() ? tr("no answer") : answer.problem;
        m_storeNote->setText(tr("No secret store answered (%1), so the password is kept until "
                                "Dutyloop closes and asked for again at its next start.")
                                 .arg(m_storeProblem));
        m_password->setAccessibleDescription(m_storeNote->text());
        updateControls();
    });
}

void PublishDialog::updateControls() {
    QFormLayout* form = m_form;
    const Kind chosen = kind();
    for (QWidget* field : {m_url, m_user, m_password})
        EnableRow(form, field, chosen == Kind::CalDav);
    EnableRow(form, m_folder, chosen == Kind::Folder);
    m_browse->setEnabled(chosen == Kind::Folder);
    EnableRow(form, m_months, chosen != Kind::None);
    m_storeNote->setVisible(chosen == Kind::CalDav && !m_storeProblem.isEmpty());
    if (chosen == Kind::CalDav)
        askSecretStore();

    QString problem;
    QLineEdit* wrong = nullptr;
    if (chosen == Kind::CalDav && UsablePublishUrl(m_url->text()).isEmpty()) {
        wrong = m_url;
        problem = m_url->text().trimmed().isEmpty()
                      ? tr("Enter the calendar's URL.")
                      : tr("The URL must start with https:// or http:// and name a server, "
                           "with no password in it.");
    } else if (chosen == Kind::Folder && folderPath().isEmpty()) {
        wrong = m_folder;
        problem = m_folder->text().trimmed().isEmpty()
                      ? tr("Choose the folder.")
                      : tr("Enter the folder's whole path, starting with / or ~.");
    }
    m_problem->setText(problem);
    // A screen reader hears it on the field it is about.
    m_url->setAccessibleDescription(wrong == m_url ? problem : QString());
    m_folder->setAccessibleDescription(wrong == m_folder ? problem : QString());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
    // A note that has come into view gets the room its lines take at the dialog's width.
    const int needed = layout()->totalHeightForWidth(width());
    if (isVisible() && needed > height())
        resize(width(), needed);
}

} // namespace dutyloop
