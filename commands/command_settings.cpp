#include "commands/command_settings.h"

#include "settings/registry_key.h"
#include "settings/settings_keys.h"

#include <cstdint>

namespace kesto {

bool CommandSettings::hearingAppend() const {
    std::uint32_t value = 0;
    if (key_ != nullptr)
        key_->readSectionDword(settings::kOption, value, settings::kHearingAppend);
    return value != 0;
}

int CommandSettings::transferWriteFlag() const {
    return rootText(settings::kFileSkipWrite).starts_with(settings::kFlagSet) ? 0 : 1;
}

bool CommandSettings::showDeleteBox() const {
    return rootText(settings::kShowDeleteBox) != settings::kFlagSet;
}

bool CommandSettings::showDcfInfo() const {
    std::string text;
    if (key_ != nullptr)
        key_->readSectionString(settings::kOption, text, settings::kShowDcfInfo);
    return text != settings::kFlagSet;
}

std::string CommandSettings::ktpCheck() const {
    return rootText(settings::kKtpCheck);
}

std::string CommandSettings::installPath() const {
    return rootText(settings::kInstallPath);
}

bool CommandSettings::downloadLyric() const {
    std::uint32_t value = 0;
    if (key_ != nullptr)
        key_->readSectionDword(settings::kOption, value, settings::kDownloadLyric);
    return value != 0;
}

std::string CommandSettings::rootText(const char* name) const {
    std::string text;
    if (key_ != nullptr)
        key_->readRootString(text, name);
    return text;
}

} // namespace kesto
