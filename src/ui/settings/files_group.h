#pragma once

#include "ui/publishing/publish_state_row.h"

#include <QObject>
#include <QRgb>

class QLabel;
class QVBoxLayout;
class QWidget;
class QPushButton;

namespace dutyloop {

// Export…, Print… and Publish… in one row as wide as the colour buttons', where publishing
// stands below them, and the word on the last file written.
class FilesGroup : public QObject {
    Q_OBJECT
public:
    FilesGroup(int rowWidth, QWidget* form, QVBoxLayout* rows);

    // Says what the last export or the last PDF file saved wrote, to the eye, and to a screen
    // reader on the button that wrote it, where the focus comes back when its dialogs close;
    // empty takes it away.
    void showExportMessage(const QString& message);
    void showPrintMessage(const QString& message);
    void clearFileMessage();
    // `said` where the change is told to a screen reader in words of its own, which the button,
    // where it has the focus, does not repeat.
    void showPublishState(const QString& text, PublishStateRow::Action action, bool said);
    void setTextColor(QRgb color);

signals:
    void exportRequested();
    void printRequested();
    void publishRequested();
    void publishRetryRequested();
    void publishPasswordRequested();

private:
    void buildButtonRow(int rowWidth, QWidget* form, QVBoxLayout* rows);
    void showFileMessage(const QString& message, QPushButton* writer);

    QPushButton* m_export = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_publish = nullptr;
    PublishStateRow* m_publishState = nullptr;
    QLabel* m_exportMessage = nullptr;
};

} // namespace dutyloop
