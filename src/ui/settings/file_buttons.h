#pragma once

#include "ui/settings/publish_state_row.h"

#include <QObject>
#include <QRgb>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace dutyloop {

// Below the Settings tab's colour buttons and in their style: Export, Print and Publish in a row
// as wide as theirs, and under them where publishing stands and the word on the last file
// written. They report what the user asks for and show what they are given.
class FileButtons : public QObject {
    Q_OBJECT
public:
    // The row laid into the form's column `rows`, `rowWidth` wide.
    FileButtons(QWidget* form, QVBoxLayout* rows, int rowWidth);

    // What the last export or the last PDF file saved wrote, to the eye, and to a screen reader
    // on the button that wrote it, where the focus comes back when its dialogs close.
    void showExportMessage(const QString& message);
    void showPrintMessage(const QString& message);
    void clearFileMessage();
    // Where publishing stands, and what the user can do about it; also the Publish button's
    // description. `said` where the change is told to a screen reader in words of its own,
    // which the buttons, where they have the focus, do not repeat.
    void showPublishState(const QString& text, PublishStateRow::Action action, bool said);
    // The words' colour, on the tab's background.
    void setTextColor(QRgb color);

signals:
    void exportRequested();
    void printRequested();
    void publishRequested();
    void publishRetryRequested();
    void publishPasswordRequested();

private:
    void buildButtons(QWidget* form, QVBoxLayout* rows, int rowWidth);
    void showFileMessage(const QString& message, QPushButton* writer);

    QPushButton* m_export = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_publish = nullptr;
    PublishStateRow* m_publishState = nullptr;
    QLabel* m_message = nullptr;
};

} // namespace dutyloop
