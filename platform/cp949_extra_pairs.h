#pragma once
// The pairs of the code page that glibc's CP949 leaves out: the postal code mark that came
// with the 2002 edition of the Korean standard, and the two user-defined rows, which the code
// page maps to the private use area.

#include <cstdint>

namespace kesto {

class Cp949ExtraPairs {
public:
    static constexpr std::uint16_t kPostalMarkPair = 0xA2E8;
    static constexpr std::uint32_t kPostalMark = 0x327E;
    static constexpr int kUserRowCount = 2;
    static constexpr unsigned char kUserRowLeads[kUserRowCount] = {0xC9, 0xFE};
    static constexpr std::uint32_t kUserRowFirstCodePoints[kUserRowCount] = {0xE000, 0xE05E};
    static constexpr unsigned char kUserRowFirstTrail = 0xA1;
    static constexpr unsigned char kUserRowLastTrail = 0xFE;

    // The code point of the pair, or 0 when the pair is none of these.
    static std::uint32_t toUnicode(unsigned char lead, unsigned char trail);
    // The pair (lead in the high byte) of the code point, or 0 when it has none of these.
    static std::uint16_t fromUnicode(std::uint32_t codePoint);
};

} // namespace kesto
