// Qt tests keep the program's settings in a folder of their own, removed when the run ends,
// so that no test reads or changes the user's settings.
#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace trochograph::test {

class ScratchSettings {
public:
    ScratchSettings()
    {
        // The window finds its settings file in XDG_CONFIG_HOME; the tests read it back
        // through QSettings.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_.path()));
        for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
                QSettings::setPath(format, scope, folder_.path());
    }
    // The folder the program's settings file goes in.
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

}  // namespace trochograph::test
