#include "ui/publishing/publish_state_row.h"

#include "ui/parts/held_description.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/text_color.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace dutyloop {

PublishStateRow::PublishStateRow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("publishStateRow"));
    m_text = Named(new QLabel(this), "publishState");
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_action = Named(new QPushButton(this), "publishActionButton");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_text, 1, Qt::AlignTop);
    row->addWidget(m_action, 0, Qt::AlignTop);
    m_action->hide();
    hide();
    connect(m_action, &QPushButton::clicked, this, [this] {
        if (m_shownAction == Action::EnterPassword)
            emit passwordRequested();
        else
            emit tryAgainRequested();
    });
}

void PublishStateRow::showState(const QString& text, Action action, bool said) {
    m_shownAction = action;
    m_text->setText(text);
    m_action->setText(action == Action::EnterPassword ? tr("Enter Password…") : tr("Try Again"));
    // The button is read with the line it answers.
    Describe(m_action, text, said ? UnderFocus::Hold : UnderFocus::Change);
    m_action->setVisible(action != Action::None);
    setVisible(!text.isEmpty());
}

QString PublishStateRow::text() const {
    return m_text->text();
}

void PublishStateRow::setTextColor(QRgb color) {
    SetTextColor(m_text, color);
}

} // namespace dutyloop
