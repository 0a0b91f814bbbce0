#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

const std::string kHangulUtf8 = "\xEA\xB0\x80\xEC\x88\x98"; // "가수"
const std::string kHangulCp949 = "\xB0\xA1\xBC\xF6";
const std::string kReplaced = "\xEF\xBF\xBD";

TEST(Cp949, ConvertsBothWaysAndNeverSwallowsTheByteAfterABadOne) {
    EXPECT_EQ(Cp949::fromUtf8(kHangulUtf8 + " Kesto"), kHangulCp949 + " Kesto");
    EXPECT_EQ(Cp949::toUtf8(kHangulCp949 + " Kesto"), kHangulUtf8 + " Kesto");
    const std::pair<std::string, std::string> toUtf8[] = {
        {"a\xB0 b", "a" + kReplaced + " b"}, // 0xB0 then a space is no character
        {"\xFF"
         "A",
         kReplaced + "A"},
        {"ok\xB0", "ok" + kReplaced}, // a lead byte at the end
        {"\x81", kReplaced},
    };
    for (const auto& [from, to] : toUtf8)
        EXPECT_EQ(Cp949::toUtf8(from), to);
    EXPECT_EQ(Cp949::fromUtf8("\xF0\x9F\x8E\xB5x"), "?x"); // an emoji has no CP949 form
    EXPECT_EQ(Cp949::fromUtf8("a\xC3(b"), "a?(b");         // a cut sequence keeps the '('
}

TEST(Cp949, FitLengthNeverSplitsATwoByteCharacter) {
    const std::string text = "a" + kHangulCp949; // a, 2 bytes, 2 bytes
    const std::pair<std::size_t, std::size_t> cases[] = {{10, 5}, {4, 3}, {2, 1}, {0, 0}};
    for (const auto& [room, fits] : cases)
        EXPECT_EQ(Cp949::fitLength(text, room), fits) << room;
}

} // namespace
} // namespace kesto
