#pragma once
// Asks before songs leave a local folder or an album: OK deletes, Cancel and Esc keep them.
// Closing it, however, stores "이 메시지 다시 보지 않기" as ShowDeleteBox ("1" set, "0" clear).

#include "dialogs/skinned_dialog.h"

class QCheckBox;

namespace kesto {

class RegistryKey;

class DeleteConfirmDialog final : public SkinnedDialog {
public:
    DeleteConfirmDialog(QWidget* parent, KestoHostTable skin, RegistryKey* settings);

    void done(int result) override;

    // True when the user agreed.
    static bool run(QWidget* parent, KestoHostTable skin, RegistryKey* settings);

private:
    RegistryKey* settings_;
    QCheckBox* dontShow_ = nullptr;
};

} // namespace kesto
