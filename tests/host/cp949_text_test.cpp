// The player's own converter reads every pair and every BMP character as the module's does
// (whose test holds that one to the code page).
#include "host/session/cp949_text.h"
#include "platform/cp949.h"
#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

TEST(Cp949Text, EveryPairAndEveryCharacterConvertsAsInTheModule) {
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const std::string text{'a', static_cast<char>(lead), static_cast<char>(trail), '!'};
            ASSERT_EQ(Cp949Text::toUtf8(text), Cp949::toUtf8(text)) << std::hex << lead << ' ' << trail;
            ASSERT_EQ(Cp949Text::fromUtf8(text), Cp949::fromUtf8(text)) << std::hex << lead << ' ' << trail;
        }
    }
    for (std::uint32_t cp = 0x80; cp <= 0xFFFF; ++cp) {
        std::string utf8;
        Utf8::append(utf8, cp);
        ASSERT_EQ(Cp949Text::fromUtf8(utf8), Cp949::fromUtf8(utf8)) << std::hex << cp;
    }
}

} // namespace
} // namespace kesto
