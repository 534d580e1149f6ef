#include "shell/qt/recent_files_settings.h"

#include <QSettings>
#include <QStringList>

#include "shell/qt/file_dialog.h"

namespace trochograph {

namespace {

const QString recentKey = QStringLiteral("recent/files");

QSettings programSettings() { return QSettings(QStringLiteral("trochograph"), QStringLiteral("trochograph")); }

}  // namespace

RecentFiles readRecentFiles()
{
    std::vector<std::filesystem::path> files;
    for (const QString& name : programSettings().value(recentKey).toStringList()) files.push_back(toPath(name));
    return RecentFiles(files);
}

void writeRecentFiles(const RecentFiles& recent)
{
    QStringList names;
    for (const std::filesystem::path& file : recent.files()) names.push_back(toQString(file));
    programSettings().setValue(recentKey, names);
}

}  // namespace trochograph
