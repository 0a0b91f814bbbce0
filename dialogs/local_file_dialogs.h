#pragma once
// The add-file dialog (several audio files, "All Audio Files" first) and the add-folder dialog
// (a folder and "하위 폴더 포함"). Both start in LastOpenFolder, or the default download folder
// when that is empty or gone, and store the folder the user chose in it. Paths are the file
// system's own bytes.

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QFileDialog;
class QWidget;

namespace kesto {

class RegistryKey;

struct FolderChoice {
    std::string folder;
    bool subFolders = false;
};

class LocalFileDialogs {
public:
    // Empty when the user cancelled.
    static std::vector<std::string> chooseFiles(QWidget* parent, RegistryKey* settings);
    static std::optional<FolderChoice> chooseFolder(QWidget* parent, RegistryKey* settings);

    // The dialogs as they open, for a caller that runs them itself.
    static QFileDialog* filesDialog(QWidget* parent, RegistryKey* settings);
    static QFileDialog* folderDialog(QWidget* parent, RegistryKey* settings);

private:
    static QString startFolder(RegistryKey* settings);
    static void remember(RegistryKey* settings, const QString& folder);
};

} // namespace kesto
