#pragma once

#include "platform/file_services.h"
#include "settings/settings_file.h"

#include <QObject>
#include <QString>

#include <functional>
#include <variant>

namespace dutyloop {

// The settings while the program runs: as the user has edited them, which the window's calendar
// shows at once, and as the settings file holds them, which everything that leaves the window
// (the published calendar, the desktop's reminders) follows, as the command line does.
class SettingsModel : public QObject {
    Q_OBJECT
public:
    // Reads the file at `path`; weeks start on Monday where it does not say otherwise and
    // `mondayFirst` is true.
    SettingsModel(QString path, bool mondayFirst, QObject* parent = nullptr);

    const QString& path() const { return m_path; }
    const Settings& edited() const { return m_edited; }
    const Settings& saved() const { return m_saved; }
    bool isModified() const { return m_edited != m_saved; }
    // Whether Save would write something: the edits, or the settings shown where the file does
    // not hold them (there is none yet, or what is there cannot be read).
    bool canSave() const { return isModified() || !m_fileHoldsSaved; }

    // The user's edit: the settings as they now stand in the window.
    void edit(const Settings& settings);
    // Writes the edited settings into the file, every other line of it kept; the message that
    // says why it could not, or empty where it was written.
    QString save(const WriteFault& fault = {});
    // Gives up the edits: the window shows the saved settings again.
    void discard();
    // A publishing target takes effect as it is set: it is written into the file at once, and
    // held as saved and as edited, beside the other edits still unsaved.
    QString saveTarget(const PublishTarget& target, const WriteFault& fault = {});

signals:
    // `before` is what the window showed until now.
    void editedChanged(const dutyloop::Settings& settings, const dutyloop::Settings& before);
    void savedChanged(const dutyloop::Settings& settings);
    void modifiedChanged(bool modified);
    void canSaveChanged(bool canSave);

private:
    // The file's text as `edit` makes it of the text it holds; what is saved then, or the
    // message that says why it could not be written.
    std::variant<Settings, QString> write(const std::function<QByteArray(const QByteArray&)>& edit,
                                          const WriteFault& fault);
    void set(const Settings& edited, const Settings& saved);

    QString m_path;
    bool m_mondayFirst = false;
    bool m_fileHoldsSaved = false;
    Settings m_edited;
    Settings m_saved;
};

} // namespace dutyloop
