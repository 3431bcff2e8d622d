#include "platform/settings_model.h"

#include "platform/file_services.h"

#include <QFileInfo>

#include <utility>

namespace dutyloop {

SettingsModel::SettingsModel(QString path, bool mondayFirst, QObject* parent)
    : QObject(parent), m_path(std::move(path)), m_mondayFirst(mondayFirst) {
    const std::optional<QByteArray> text = ReadFileBytes(m_path);
    m_fileHoldsSaved = text.has_value();
    m_saved = SettingsFromText(text.value_or(QByteArray()), m_mondayFirst);
    m_edited = m_saved;
}

void SettingsModel::edit(const Settings& settings) {
    set(settings, m_saved);
}

QString SettingsModel::save(const WriteFault& fault) {
    const Settings edited = m_edited;
    const auto written =
        write([&edited](const QByteArray& text) { return TextWithSettings(text, edited); }, fault);
    if (const auto* problem = std::get_if<QString>(&written))
        return *problem;
    const Settings& saved = std::get<Settings>(written);
    const bool couldSave = canSave();
    m_fileHoldsSaved = true;
    set(saved, saved);
    if (couldSave != canSave())
        emit canSaveChanged(canSave());
    return {};
}

void SettingsModel::discard() {
    set(m_saved, m_saved);
}

QString SettingsModel::saveTarget(const PublishTarget& target, const WriteFault& fault) {
    const auto written = write(
        [&target](const QByteArray& text) { return TextWithPublishTarget(text, target); }, fault);
    if (const auto* problem = std::get_if<QString>(&written))
        return *problem;
    Settings edited = m_edited;
    edited.publish = target;
    set(edited, std::get<Settings>(written));
    return {};
}

// The file as it stands is edited, so that every other line of it survives; what is there but
// cannot be read (no regular file, or far too large) is not replaced. What is saved is what the
// file holds once written, as the command line reads it.
std::variant<Settings, QString>
SettingsModel::write(const std::function<QByteArray(const QByteArray&)>& edit,
                     const WriteFault& fault) {
    // The folder may have gone since start-up made it; it is made again the same way.
    CreateDirectoryWithParents(QFileInfo(m_path).absolutePath());
    const FileContent current = ReadFile(m_path);
    if (!current.read() && current.failure != ReadFailure::Missing)
        return UnableToWriteMessage(m_path, ReadFailureReason(current));
    const QByteArray text = edit(current.bytes);
    const FileWrite written = WriteFileAtomicallyWithReason(m_path, text, fault);
    if (!written.written)
        return UnableToWriteMessage(m_path, written.reason);
    return SettingsFromText(text, m_mondayFirst);
}

void SettingsModel::set(const Settings& edited, const Settings& saved) {
    const bool wasModified = isModified();
    const bool couldSave = canSave();
    const bool editedChange = edited != m_edited;
    const bool savedChange = saved != m_saved;
    const Settings before = std::exchange(m_edited, edited);
    m_saved = saved;
    if (editedChange)
        emit editedChanged(m_edited, before);
    if (savedChange)
        emit savedChanged(m_saved);
    if (wasModified != isModified())
        emit modifiedChanged(isModified());
    if (couldSave != canSave())
        emit canSaveChanged(canSave());
}

} // namespace dutyloop
