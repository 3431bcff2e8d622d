#include "ui/settings/files_group.h"

#include "ui/parts/held_description.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/text_color.h"
#include "ui/settings/segmented_row.h"
#include "ui/settings/settings_rows.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

FilesGroup::FilesGroup(int rowWidth, QWidget* form, QVBoxLayout* rows) : QObject(form) {
    buildButtonRow(rowWidth, form, rows);
    rows->addSpacing(11);

    // Where publishing stands, and under it the word on the last file written, share the room
    // below the buttons: a state that comes or goes moves nothing above them.
    auto* messages = Named(new QWidget(form), "fileMessages");
    messages->setMinimumHeight(80);
    auto* messageRows = new QVBoxLayout(messages);
    messageRows->setContentsMargins(0, 0, 0, 0);
    messageRows->setSpacing(0);
    m_publishState = new PublishStateRow(messages);
    m_publishState->setContentsMargins(0, 0, 0, 8);
    messageRows->addWidget(m_publishState);
    connect(m_publishState, &PublishStateRow::tryAgainRequested, this,
            &FilesGroup::publishRetryRequested);
    connect(m_publishState, &PublishStateRow::passwordRequested, this,
            &FilesGroup::publishPasswordRequested);

    // Empty, and so unseen, until an export has written its file.
    m_exportMessage = Named(new QLabel(messages), "exportMessage");
    m_exportMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_exportMessage->setWordWrap(true);
    m_exportMessage->setTextFormat(Qt::PlainText);
    messageRows->addWidget(m_exportMessage, 1);
    rows->addWidget(messages, 1);
}

// In the colour buttons' style, the three share a row as wide as theirs and overlap by a pixel as
// they do: three thirds of the row, the last taking what the division leaves; where a caption
// needs more than a third, as German "Veröffentlichen…" does, each takes what its caption needs
// and the row's room left over is shared out.
void FilesGroup::buildButtonRow(int rowWidth, QWidget* form, QVBoxLayout* rows) {
    m_export = BoldButton(form, "exportButton", tr("Export…"));
    m_export->setAccessibleName(tr("Export duty days to a calendar file"));
    connect(m_export, &QPushButton::clicked, this, &FilesGroup::exportRequested);
    m_print = BoldButton(form, "printButton", tr("Print…"));
    m_print->setAccessibleName(tr("Print a crew's duty year or save it as PDF"));
    connect(m_print, &QPushButton::clicked, this, &FilesGroup::printRequested);
    m_publish = BoldButton(form, "publishButton", tr("Publish…"));
    m_publish->setAccessibleName(tr("Publish the duty to your own calendar and keep it current"));
    connect(m_publish, &QPushButton::clicked, this, &FilesGroup::publishRequested);
    auto* fileRow = new SegmentedRow;
    QPushButton* const fileButtons[] = {m_export, m_print, m_publish};
    int needed[3];
    int neededInAll = 0;
    for (int i = 0; i < 3; ++i) {
        QPushButton* button = fileButtons[i];
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        needed[i] = button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin;
        neededInAll += needed[i];
    }
    const int third = (rowWidth + 2) / 3;
    const bool thirds = *std::max_element(needed, needed + 3) <= third;
    const int spare = std::max(0, rowWidth + 2 - neededInAll);
    for (int i = 0; i < 3; ++i) {
        const int width = thirds  ? (i < 2 ? third : rowWidth + 2 - 2 * third)
                          : i < 2 ? needed[i] + spare / 3
                                  : needed[i] + spare - 2 * (spare / 3);
        fileButtons[i]->setFixedSize(width, 29);
        fileRow->addWidget(fileButtons[i]);
    }
    rows->addLayout(fileRow);
}

void FilesGroup::showExportMessage(const QString& message) {
    showFileMessage(message, m_export);
}

void FilesGroup::showPrintMessage(const QString& message) {
    showFileMessage(message, m_print);
}

void FilesGroup::clearFileMessage() {
    showFileMessage({}, nullptr);
}

void FilesGroup::showPublishState(const QString& text, PublishStateRow::Action action, bool said) {
    m_publishState->showState(text, action, said);
    Describe(m_publish, text, said ? UnderFocus::Hold : UnderFocus::Change);
}

void FilesGroup::setTextColor(QRgb color) {
    SetTextColor(m_exportMessage, color);
    m_publishState->setTextColor(color);
}

void FilesGroup::showFileMessage(const QString& message, QPushButton* writer) {
    m_exportMessage->setText(message);
    // The focus is back on the button when the dialogs have closed, and a screen reader reads
    // its description with it; the other button's tells of a file no longer spoken of.
    for (QPushButton* button : {m_export, m_print})
        button->setAccessibleDescription(button == writer ? message : QString());
}

} // namespace dutyloop
