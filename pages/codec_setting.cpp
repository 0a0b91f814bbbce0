#include "pages/codec_setting.h"

#include "settings/registry_section.h"
#include "settings/settings_keys.h"

namespace kesto {

int CodecSetting::read(RegistrySection& section) {
    std::uint32_t value =
        section.GetDword(settings::kMain, settings::kUpdateCodec, settings::kUpdateCodecMissing);
    if (value == settings::kUpdateCodecMissing) {
        section.SetDword(settings::kMain, settings::kUpdateCodec, kDefaultMode);
        value = section.GetDword(settings::kMain, settings::kUpdateCodec, settings::kUpdateCodecMissing);
    }
    return value == static_cast<std::uint32_t>(kSecondMode) ? kSecondMode : kDefaultMode;
}

} // namespace kesto
