#include "ui/settings/file_buttons.h"

#include "ui/parts/held_description.h"
#include "ui/parts/page_parts.h"
#include "ui/parts/text_color.h"
#include "ui/settings/segmented_row.h"
#include "ui/settings/settings_page.h"
#include "ui/settings/settings_rows.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace dutyloop {

// The texts are the Settings tab's, and are translated as its own.
FileButtons::FileButtons(QWidget* form, QVBoxLayout* rows, int rowWidth) : QObject(form) {
    buildButtons(form, rows, rowWidth);

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
            &FileButtons::publishRetryRequested);
    connect(m_publishState, &PublishStateRow::passwordRequested, this,
            &FileButtons::publishPasswordRequested);

    // Empty, and so unseen, until an export has written its file.
    m_message = Named(new QLabel(messages), "exportMessage");
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    messageRows->addWidget(m_message, 1);
    rows->addWidget(messages, 1);
}

// The buttons share the row and overlap by a pixel, as the colour buttons do; a longer caption
// in another language widens its button.
void FileButtons::buildButtons(QWidget* form, QVBoxLayout* rows, int rowWidth) {
    m_export = BoldButton(form, "exportButton", SettingsPage::tr("Export…"));
    m_export->setAccessibleName(SettingsPage::tr("Export duty days to a calendar file"));
    connect(m_export, &QPushButton::clicked, this, &FileButtons::exportRequested);
    m_print = BoldButton(form, "printButton", SettingsPage::tr("Print…"));
    m_print->setAccessibleName(SettingsPage::tr("Print a crew's duty year or save it as PDF"));
    connect(m_print, &QPushButton::clicked, this, &FileButtons::printRequested);
    m_publish = BoldButton(form, "publishButton", SettingsPage::tr("Publish…"));
    m_publish->setAccessibleName(
        SettingsPage::tr("Publish the duty to your own calendar and keep it current"));
    connect(m_publish, &QPushButton::clicked, this, &FileButtons::publishRequested);
    auto* fileRow = new SegmentedRow;
    // Three thirds of the row, the last taking what the division leaves; where a caption needs
    // more than a third, as German "Veröffentlichen…" does, each takes what its caption needs
    // and the row's room left over is shared out.
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
    rows->addSpacing(11);
}

void FileButtons::showExportMessage(const QString& message) {
    showFileMessage(message, m_export);
}

void FileButtons::showPrintMessage(const QString& message) {
    showFileMessage(message, m_print);
}

void FileButtons::clearFileMessage() {
    showFileMessage({}, nullptr);
}

void FileButtons::showPublishState(const QString& text, PublishStateRow::Action action, bool said) {
    m_publishState->showState(text, action, said);
    Describe(m_publish, text, said ? UnderFocus::Hold : UnderFocus::Change);
}

void FileButtons::showFileMessage(const QString& message, QPushButton* writer) {
    m_message->setText(message);
    // The focus is back on the button when the dialogs have closed, and a screen reader reads
    // its description with it; the other button's tells of a file no longer spoken of.
    for (QPushButton* button : {m_export, m_print})
        button->setAccessibleDescription(button == writer ? message : QString());
}

void FileButtons::setTextColor(QRgb color) {
    SetTextColor(m_message, color);
    m_publishState->setTextColor(color);
}

} // namespace dutyloop
