#include "shell/qt/recent_files_settings.h"

#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <system_error>

#include "shell/qt/file_dialog.h"
#include "shell/settings_file.h"

namespace trochograph {

namespace {

const QString recentKey = QStringLiteral("recent/files");

// Another program writes the file in a few milliseconds; a lock held longer is no writer's.
constexpr int lockWaitMs = 2000;

Error cannot(const std::string& what, const std::filesystem::path& file)
{
    return {ErrorCode::writeFailed, "can't " + what + " " + file.string()};
}

// Waits a moment for the lock that the settings library then takes for its write, so that
// a lock nobody lets go of is refused here rather than waited for without end there.
Result<void> lockIsFree(const std::filesystem::path& file)
{
    const std::filesystem::path lock = settingsLockFile(file);
    QLockFile probe(toQString(lock));
    if (probe.tryLock(lockWaitMs)) {
        probe.unlock();
        return {};
    }
    switch (probe.error()) {
    case QLockFile::LockFailedError:
        return Error{ErrorCode::writeFailed, lock.string() + " stays locked by another program"};
    case QLockFile::PermissionError: return cannot("create", lock);
    case QLockFile::NoError:
    case QLockFile::UnknownError: break;
    }
    return cannot("lock", file);
}

}  // namespace

RecentFilesSettings::RecentFilesSettings()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (!folder.isEmpty()) file_ = toPath(folder) / "trochograph" / "trochograph.conf";
}

Result<RecentFiles> RecentFilesSettings::read() const
{
    if (file_.empty()) return Error{ErrorCode::cannotOpen, "there is no folder for settings"};
    if (Result<void> usable = checkSettingsFile(file_); !usable) return usable.error();
    const QSettings settings(toQString(file_), QSettings::IniFormat);
    const QStringList names = settings.value(recentKey).toStringList();
    // A file that isn't what it should be is left alone rather than written over.
    if (settings.status() == QSettings::FormatError)
        return Error{ErrorCode::invalid, file_.string() + " is not a settings file"};
    if (settings.status() != QSettings::NoError) return cannot("read", file_);
    std::vector<std::filesystem::path> files;
    for (const QString& name : names) files.push_back(toPath(name));
    return RecentFiles(files);
}

Result<void> RecentFilesSettings::write(const RecentFiles& recent) const
{
    QStringList names;
    for (const std::filesystem::path& file : recent.files()) names.push_back(toQString(file));
    return writeValues([&](QSettings& settings) { settings.setValue(recentKey, names); });
}

Result<void> RecentFilesSettings::writeValues(const std::function<void(QSettings&)>& set) const
{
    if (file_.empty()) return Error{ErrorCode::cannotCreate, "there is no folder for settings"};
    if (Result<void> usable = checkSettingsFile(file_); !usable) return usable;
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (ec) return Error{ErrorCode::cannotCreate, file_.parent_path().string() + ": " + ec.message()};
    if (Result<void> free = lockIsFree(file_); !free) return free;
    QSettings settings(toQString(file_), QSettings::IniFormat);
    set(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError) return cannot("write", file_);
    return {};
}

Result<SettingsEntries> RecentFilesSettings::readGroup(const std::string& group) const
{
    if (file_.empty()) return Error{ErrorCode::cannotOpen, "there is no folder for settings"};
    if (Result<void> usable = checkSettingsFile(file_); !usable) return usable.error();
    QSettings settings(toQString(file_), QSettings::IniFormat);
    settings.beginGroup(QString::fromStdString(group));
    SettingsEntries entries;
    for (const QString& key : settings.childKeys())
        entries.emplace_back(key.toStdString(), settings.value(key).toString().toStdString());
    if (settings.status() != QSettings::NoError) return cannot("read", file_);
    return entries;
}

Result<void> RecentFilesSettings::writeGroup(const std::string& group, const SettingsEntries& entries) const
{
    return writeValues([&](QSettings& settings) {
        settings.beginGroup(QString::fromStdString(group));
        for (const auto& [key, value] : entries)
            settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
        settings.endGroup();
    });
}

}  // namespace trochograph
