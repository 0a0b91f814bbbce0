#include "dialogs/download_options.h"

#include "commands/command_settings.h"
#include "dialogs/dialog_texts.h"
#include "dialogs/skinned_dialog.h"
#include "settings/download_folder.h"
#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QVBoxLayout>

namespace kesto {

namespace t = dialog_text;

DownloadOptions::DownloadOptions(RegistryKey* settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    setObjectName(QStringLiteral("downloadOptions"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    const std::string folder =
        settings_ != nullptr ? DownloadFolder::resolve(*settings_, settings::kLastSaveFolder) : std::string();
    auto* shown = new QLabel(dialogText(t::kSaveFolder) + QFile::decodeName(folder.c_str()), this);
    shown->setObjectName(QStringLiteral("saveFolder"));
    column->addWidget(shown);
    skip_ = new QCheckBox(dialogText(t::kSkipExisting), this);
    skip_->setObjectName(QStringLiteral("skipExisting"));
    skip_->setChecked(CommandSettings(settings_).transferWriteFlag() == 0);
    column->addWidget(skip_);
}

int DownloadOptions::store() const {
    const bool skip = skip_->isChecked();
    if (settings_ != nullptr)
        settings_->writeRootString(skip ? settings::kFlagSet : settings::kFlagClear,
                                   settings::kFileSkipWrite);
    return skip ? 0 : 1;
}

} // namespace kesto
