#pragma once
// The play command setting: "UpdateCODEC" under the Main section, written as 1 the first time
// it is missing. Mode 2 when it holds 2, else mode 1.

namespace kesto {

class RegistrySection;

class CodecSetting {
public:
    static constexpr int kDefaultMode = 1;
    static constexpr int kSecondMode = 2;

    static int read(RegistrySection& section);
};

} // namespace kesto
