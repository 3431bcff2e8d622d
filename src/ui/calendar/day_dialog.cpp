#include "ui/calendar/day_dialog.h"

#include "schedule/crew.h"
#include "ui/parts/focus_told_first.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace dutyloop {

namespace {

constexpr std::array<DayChangeKind, 5> kKinds{DayChangeKind::AsRostered, DayChangeKind::Leave,
                                              DayChangeKind::Sick, DayChangeKind::SwappedOff,
                                              DayChangeKind::ExtraDuty};

QString KindLabel(DayChangeKind kind) {
    switch (kind) {
    case DayChangeKind::AsRostered:
        return DayDialog::tr("As rostered");
    case DayChangeKind::Leave:
        return DayDialog::tr("Leave");
    case DayChangeKind::Sick:
        return DayDialog::tr("Sick");
    case DayChangeKind::SwappedOff:
        return DayDialog::tr("Swapped off (off duty on a work day)");
    case DayChangeKind::ExtraDuty:
        return DayDialog::tr("Extra duty (on duty on a day off)");
    }
    return {};
}

QString TitleFor(const QString& longDate, DutyCode rostered, const QString& dutyHours) {
    switch (rostered) {
    case DutyCode::Work:
        if (!dutyHours.isEmpty())
            return DayDialog::tr("%1: work day, %2").arg(longDate, dutyHours);
        return DayDialog::tr("%1: work day").arg(longDate);
    case DutyCode::Off:
        return DayDialog::tr("%1: off duty").arg(longDate);
    case DutyCode::NoRotation:
        break;
    }
    return DayDialog::tr("%1: no rotation").arg(longDate);
}

QString HintFor(const DayDialogDay& day) {
    if (!day.followsCrew)
        return DayDialog::tr("No change can be made under %1, which follows no crew's rotation.")
            .arg(QLatin1String(kAgencyWideEntry));
    if (day.rostered == DutyCode::NoRotation)
        return DayDialog::tr("No change can be made before the rotation starts.");
    return DayDialog::tr("Leave and sickness fit any day; a swap only a work day, extra duty "
                         "only a day off.");
}

const char* ObjectNameOf(DayChangeKind kind) {
    switch (kind) {
    case DayChangeKind::AsRostered:
        return "asRosteredButton";
    case DayChangeKind::Leave:
        return "leaveButton";
    case DayChangeKind::Sick:
        return "sickButton";
    case DayChangeKind::SwappedOff:
        return "swappedOffButton";
    case DayChangeKind::ExtraDuty:
        return "extraDutyButton";
    }
    return "";
}

// Keeps the note within what can be stored while it is typed or pasted, so the field never
// shows what would not be kept: a character typed past the limit, or a direction control.
class NoteValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override {
        const QString kept = NoteWithinLimit(input);
        if (kept != input) {
            position = static_cast<int>(
                std::min(NoteWithinLimit(input.left(position)).size(), kept.size()));
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

DayDialog::DayDialog(const DayDialogDay& day, QWidget* parent) : QDialog(parent) {
    const QString& longDate = day.longDate;
    const DutyCode rostered = day.followsCrew ? day.rostered : DutyCode::NoRotation;
    const DayChange& current = day.current;
    setObjectName(QStringLiteral("dayDialog"));
    setWindowTitle(TitleFor(longDate, rostered, day.dutyHours));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(TitleFor(longDate, rostered, day.dutyHours), this);
    heading->setTextFormat(Qt::PlainText);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);

    const bool open = rostered != DutyCode::NoRotation;
    m_kindGroup = new QButtonGroup(this);
    for (std::size_t i = 0; i < kKinds.size(); ++i) {
        auto* button = new QRadioButton(KindLabel(kKinds[i]), this);
        button->setObjectName(QString::fromLatin1(ObjectNameOf(kKinds[i])));
        button->setEnabled(ChangeFits(kKinds[i], rostered));
        button->setChecked(kKinds[i] == current.kind);
        m_kindGroup->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
        m_kinds[i] = button;
    }
    auto* hint = new QLabel(HintFor(day), this);
    hint->setObjectName(QStringLiteral("dayHint"));
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    m_note = new QLineEdit(current.note, this);
    m_note->setObjectName(QStringLiteral("noteEdit"));
    m_note->setValidator(new NoteValidator(m_note));
    m_note->setPlaceholderText(tr("Note"));
    m_note->setAccessibleName(tr("Note"));
    m_note->setEnabled(open);
    TellFocusFirst(m_note);
    layout->addWidget(m_note);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    m_remove = m_buttons->addButton(tr("Remove change"), QDialogButtonBox::DestructiveRole);
    m_remove->setObjectName(QStringLiteral("removeChangeButton"));
    m_remove->setEnabled(open && current != DayChange());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(open);
    layout->addWidget(m_buttons);
    // The dialog opens on the change the day has, which a screen reader reads first.
    if (QAbstractButton* checked = m_kindGroup->checkedButton())
        checked->setFocus();
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_remove, &QPushButton::clicked, this, &DayDialog::removeChange);
}

DayChange DayDialog::change() const {
    if (m_removed)
        return {};
    const int checked = m_kindGroup->checkedId();
    const DayChangeKind kind =
        checked < 0 ? DayChangeKind::AsRostered : kKinds[static_cast<std::size_t>(checked)];
    return {kind, CleanNote(m_note->text())};
}

void DayDialog::removeChange() {
    m_removed = true;
    accept();
}

} // namespace dutyloop
