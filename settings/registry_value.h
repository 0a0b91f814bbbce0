#pragma once
// One value of a settings key as the store holds it.

#include <cstdint>
#include <string>

namespace kesto {

struct RegistryValue {
    enum class Type : std::uint8_t {
        String, // REG_SZ; data holds CP949 bytes
        Dword,  // REG_DWORD; number holds it
        Other,  // any other type; data holds the file text after '=' as it was read
    };

    std::string name; // CP949; empty for the key's default value ("@")
    Type type = Type::String;
    std::string data;
    std::uint32_t number = 0;

    // The bytes a registry read would return: a string with its terminating zero, a DWORD as
    // four little-endian bytes, other types decoded from their hex text.
    std::string rawBytes() const;
};

} // namespace kesto
