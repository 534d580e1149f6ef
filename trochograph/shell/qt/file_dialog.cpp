#include "shell/qt/file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <algorithm>

namespace trochograph {

QString toQString(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::filesystem::path toPath(const QString& name) { return QFile::encodeName(name).toStdString(); }

std::optional<std::filesystem::path> runFileDialog(QWidget* owner, FileDialogKind kind,
                                                   const std::filesystem::path& proposed, int* filter)
{
    const FileDialogSetup& setup = fileDialogSetup(kind);
    QFileDialog dialog(owner, QString::fromUtf8(setup.title));
    const QStringList filters = QString::fromUtf8(setup.filter).split(QStringLiteral(";;"));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(setup.defaultExtension));
    // A name typed without an extension gets the one of the filter shown.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& name) {
        dialog.setDefaultSuffix(QString::fromStdString(filterExtension(setup, static_cast<int>(filters.indexOf(name)))));
    });
    dialog.setAcceptMode(setup.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(setup.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A pattern only names the folder to start in; a file is proposed as the choice.
    dialog.setDirectory(toQString(proposed.parent_path()));
    if (proposed.filename().string().find('*') == std::string::npos) dialog.selectFile(toQString(proposed));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    if (filter) *filter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return toPath(dialog.selectedFiles().front());
}

}  // namespace trochograph
