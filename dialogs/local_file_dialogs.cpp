#include "dialogs/local_file_dialogs.h"

#include "dialogs/dialog_texts.h"
#include "dialogs/skinned_dialog.h"
#include "settings/download_folder.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>

#include <memory>

namespace kesto {

namespace t = dialog_text;

namespace {
const char* const kSubFoldersBox = "includeSubFolders";
}

QString LocalFileDialogs::startFolder(RegistryKey* settings) {
    if (settings == nullptr)
        return QString::fromStdString(DownloadFolder::defaultFolder().string());
    return QFile::decodeName(
        QByteArray::fromStdString(DownloadFolder::resolve(*settings, settings::kLastOpenFolder)));
}

void LocalFileDialogs::remember(RegistryKey* settings, const QString& folder) {
    if (settings != nullptr && !folder.isEmpty())
        settings->writeRootString(QFile::encodeName(folder).toStdString(), settings::kLastOpenFolder);
}

QFileDialog* LocalFileDialogs::filesDialog(QWidget* parent, RegistryKey* settings) {
    auto* dialog = new QFileDialog(parent, dialogText(t::kAddFilesTitle), startFolder(settings),
                                   dialogText(t::kAudioFilter));
    dialog->setObjectName(QStringLiteral("addFiles"));
    // The widget dialog: the same on every desktop, and reachable by keyboard and tests.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    return dialog;
}

QFileDialog* LocalFileDialogs::folderDialog(QWidget* parent, RegistryKey* settings) {
    auto* dialog = new QFileDialog(parent, dialogText(t::kAddFolderTitle), startFolder(settings));
    dialog->setObjectName(QStringLiteral("addFolder"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setFileMode(QFileDialog::Directory);
    auto* box = new QCheckBox(dialogText(t::kIncludeSubFolders), dialog);
    box->setObjectName(QString::fromLatin1(kSubFoldersBox));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addWidget(box, grid->rowCount(), 0, 1, grid->columnCount());
    return dialog;
}

std::vector<std::string> LocalFileDialogs::chooseFiles(QWidget* parent, RegistryKey* settings) {
    const std::unique_ptr<QFileDialog> dialog(filesDialog(parent, settings));
    std::vector<std::string> paths;
    if (dialog->exec() != QDialog::Accepted)
        return paths;
    for (const QString& file : dialog->selectedFiles())
        paths.push_back(QFile::encodeName(file).toStdString());
    if (!paths.empty())
        remember(settings, QFileInfo(dialog->selectedFiles().front()).absolutePath());
    return paths;
}

std::optional<FolderChoice> LocalFileDialogs::chooseFolder(QWidget* parent, RegistryKey* settings) {
    const std::unique_ptr<QFileDialog> dialog(folderDialog(parent, settings));
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    const QString folder = dialog->selectedFiles().front();
    remember(settings, folder);
    const auto* box = dialog->findChild<QCheckBox*>(QString::fromLatin1(kSubFoldersBox));
    return FolderChoice{QFile::encodeName(folder).toStdString(), box != nullptr && box->isChecked()};
}

} // namespace kesto
