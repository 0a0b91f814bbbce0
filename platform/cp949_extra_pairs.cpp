#include "platform/cp949_extra_pairs.h"

namespace kesto {
namespace {

constexpr std::uint32_t kUserRowLength =
    Cp949ExtraPairs::kUserRowLastTrail - Cp949ExtraPairs::kUserRowFirstTrail + 1;

} // namespace

std::uint32_t Cp949ExtraPairs::toUnicode(unsigned char lead, unsigned char trail) {
    if (((lead << 8) | trail) == kPostalMarkPair)
        return kPostalMark;
    if (trail < kUserRowFirstTrail || trail > kUserRowLastTrail)
        return 0;
    for (int row = 0; row < kUserRowCount; ++row)
        if (lead == kUserRowLeads[row])
            return kUserRowFirstCodePoints[row] + (trail - kUserRowFirstTrail);
    return 0;
}

std::uint16_t Cp949ExtraPairs::fromUnicode(std::uint32_t codePoint) {
    if (codePoint == kPostalMark)
        return kPostalMarkPair;
    for (int row = 0; row < kUserRowCount; ++row) {
        const std::uint32_t offset = codePoint - kUserRowFirstCodePoints[row];
        if (codePoint >= kUserRowFirstCodePoints[row] && offset < kUserRowLength)
            return static_cast<std::uint16_t>((kUserRowLeads[row] << 8) | (kUserRowFirstTrail + offset));
    }
    return 0;
}

} // namespace kesto
