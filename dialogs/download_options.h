#pragma once
// What a download shows beside its payment: the folder the files go to (LastSaveFolder) and
// whether files already there are skipped (FileSkipWrite), which the user may change.

#include <QWidget>

class QCheckBox;

namespace kesto {

class RegistryKey;

class DownloadOptions final : public QWidget {
public:
    DownloadOptions(RegistryKey* settings, QWidget* parent);

    // Keeps the choice in FileSkipWrite; the host's write flag that follows (0 skips).
    int store() const;

private:
    RegistryKey* settings_;
    QCheckBox* skip_ = nullptr;
};

} // namespace kesto
