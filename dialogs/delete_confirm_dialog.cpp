#include "dialogs/delete_confirm_dialog.h"

#include "dialogs/dialog_texts.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

DeleteConfirmDialog::DeleteConfirmDialog(QWidget* parent, KestoHostTable skin, RegistryKey* settings)
    : SkinnedDialog(parent, skin, t::kDeleteWarning), settings_(settings) {
    setObjectName(QStringLiteral("deleteConfirm"));
    auto* question = new QLabel(dialogText(t::kDeleteQuestion), this);
    dontShow_ = new QCheckBox(dialogText(t::kDoNotShowAgain), this);
    dontShow_->setObjectName(QStringLiteral("doNotShowAgain"));
    body()->addWidget(question);
    body()->addWidget(dontShow_);
}

void DeleteConfirmDialog::done(int result) {
    if (settings_ != nullptr)
        settings_->writeRootString(dontShow_->isChecked() ? settings::kFlagSet : "0",
                                   settings::kShowDeleteBox);
    SkinnedDialog::done(result);
}

bool DeleteConfirmDialog::run(QWidget* parent, KestoHostTable skin, RegistryKey* settings) {
    DeleteConfirmDialog dialog(parent, skin, settings);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kesto
