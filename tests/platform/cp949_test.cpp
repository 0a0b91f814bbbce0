#include "platform/cp949.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

const std::string kHangulUtf8 = "\xEA\xB0\x80\xEC\x88\x98"; // "가수"
const std::string kHangulCp949 = "\xB0\xA1\xBC\xF6";

TEST(Cp949, RoundTripsHangulAndAscii) {
    EXPECT_EQ(Cp949::fromUtf8(kHangulUtf8 + " Kesto"), kHangulCp949 + " Kesto");
    EXPECT_EQ(Cp949::toUtf8(kHangulCp949 + " Kesto"), kHangulUtf8 + " Kesto");
    EXPECT_EQ(Cp949::toUtf8(Cp949::fromUtf8(kHangulUtf8)), kHangulUtf8);
}

TEST(Cp949, InvalidSequenceKeepsTheFollowingAsciiByte) {
    // 0xB0 followed by a space is not a character: the space must survive.
    EXPECT_EQ(Cp949::toUtf8("a\xB0 b"), "a\xEF\xBF\xBD b");
    EXPECT_EQ(Cp949::toUtf8("\xFF" "A"), "\xEF\xBF\xBD" "A");
}

TEST(Cp949, LeadByteAtTheEndIsReplaced) {
    EXPECT_EQ(Cp949::toUtf8("ok\xB0"), "ok\xEF\xBF\xBD");
    EXPECT_EQ(Cp949::toUtf8(std::string_view("\x81", 1)), "\xEF\xBF\xBD");
}

TEST(Cp949, UnencodableAndMalformedUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Cp949::fromUtf8("\xF0\x9F\x8E\xB5x"), "?x"); // an emoji has no CP949 form
    EXPECT_EQ(Cp949::fromUtf8("a\xC3(b"), "a?(b");       // truncated sequence keeps the '('
}

TEST(Cp949, FitLengthNeverSplitsATwoByteCharacter) {
    const std::string text = "a" + kHangulCp949; // a, 2 bytes, 2 bytes
    EXPECT_EQ(Cp949::fitLength(text, 10), 5u);
    EXPECT_EQ(Cp949::fitLength(text, 4), 3u);
    EXPECT_EQ(Cp949::fitLength(text, 2), 1u);
    EXPECT_EQ(Cp949::fitLength(text, 0), 0u);
}

} // namespace
} // namespace kesto
