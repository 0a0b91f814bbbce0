#include "pages/codec_setting.h"

#include "settings/registry_section.h"
#include "settings/settings_keys.h"

namespace kesto {

int CodecSetting::read(RegistrySection& section) {
    std::uint32_t value =
        section.readDword(settings::kMain, settings::kUpdateCodec, settings::kUpdateCodecMissing);
    if (value == settings::kUpdateCodecMissing) {
        section.writeDword(settings::kMain, settings::kUpdateCodec, kDefaultMode);
        value = section.readDword(settings::kMain, settings::kUpdateCodec, settings::kUpdateCodecMissing);
    }
    return value == static_cast<std::uint32_t>(kSecondMode) ? kSecondMode : kDefaultMode;
}

} // namespace kesto
