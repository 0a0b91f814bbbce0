// Every two-byte sequence through both directions, against ICU's converter for the code page
// (the one Qt's codecs use). ICU lacks only the postal code mark of the 2002 standard.
#include "platform/cp949.h"
#include "platform/utf8.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <memory>

namespace kesto {
namespace {

const std::string kReplaced = "\xEF\xBF\xBD";

struct IcuCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};

class ReferenceCodePage {
public:
    ReferenceCodePage() {
        UErrorCode err = U_ZERO_ERROR;
        conv_.reset(ucnv_open("windows-949", &err));
        EXPECT_TRUE(U_SUCCESS(err));
        ucnv_setToUCallBack(conv_.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        ucnv_setFromUCallBack(conv_.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
    }

    // The UTF-8 of a pair the code page maps to one character, else empty.
    std::string decodePair(unsigned char lead, unsigned char trail) {
        if (lead == 0xA2 && trail == 0xE8)
            return "\xE3\x89\xBE"; // U+327E
        const char bytes[] = {static_cast<char>(lead), static_cast<char>(trail)};
        UChar unit[4];
        UErrorCode err = U_ZERO_ERROR;
        ucnv_reset(conv_.get());
        const int n = ucnv_toUChars(conv_.get(), unit, 4, bytes, 2, &err);
        if (U_FAILURE(err) || n != 1)
            return {};
        std::string utf8;
        Utf8::append(utf8, unit[0]);
        return utf8;
    }

    // The two bytes a BMP character round-trips to, else empty.
    std::string encode(UChar unit) {
        if (unit == 0x327E)
            return "\xA2\xE8";
        char bytes[4];
        UErrorCode err = U_ZERO_ERROR;
        ucnv_reset(conv_.get());
        const int n = ucnv_fromUChars(conv_.get(), bytes, 4, &unit, 1, &err);
        return U_SUCCESS(err) && n == 2 ? std::string(bytes, 2) : std::string();
    }

private:
    std::unique_ptr<UConverter, IcuCloser> conv_;
};

bool isTrail(unsigned char b) {
    return (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A) || (b >= 0x81 && b <= 0xFE);
}

// A byte on its own: ASCII stays, anything else (a lead without its trail) is one replacement.
std::string alone(unsigned char b) {
    return b < 0x80 ? std::string(1, static_cast<char>(b)) : kReplaced;
}

TEST(Cp949Pairs, EveryPairAloneAndAmongAsciiMatchesTheCodePageBothWays) {
    ReferenceCodePage reference;
    int mapped = 0;
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const auto l = static_cast<unsigned char>(lead);
            const auto t = static_cast<unsigned char>(trail);
            const std::string pair{static_cast<char>(l), static_cast<char>(t)};
            std::string expected = alone(l) + alone(t);
            std::string character;
            if (Cp949::isLeadByte(l) && isTrail(t)) {
                character = reference.decodePair(l, t);
                expected = character.empty() ? kReplaced : character;
            }
            mapped += character.empty() ? 0 : 1;
            ASSERT_EQ(Cp949::toUtf8(pair), expected) << std::hex << lead << ' ' << trail;
            ASSERT_EQ(Cp949::toUtf8("a" + pair + "!"), "a" + expected + "!")
                << std::hex << lead << ' ' << trail;
            if (!character.empty()) {
                ASSERT_EQ(Cp949::fromUtf8(character), pair) << std::hex << lead << ' ' << trail;
                ASSERT_EQ(Cp949::fromUtf8("a" + character + "!"), "a" + pair + "!");
            }
            // The pair read as UTF-8: never read past, the ASCII after it kept.
            const std::string asUtf8 = Cp949::fromUtf8(pair + "!");
            ASSERT_TRUE(asUtf8.size() >= 2 && asUtf8.back() == '!') << std::hex << lead << ' ' << trail;
        }
    }
    EXPECT_EQ(mapped, 17048 + 188 + 1); // KS X 1001 with the extension, the user rows, the postal mark
}

TEST(Cp949Pairs, EveryBmpCharacterEncodesAsTheCodePageDoes) {
    ReferenceCodePage reference;
    for (char32_t cp = 0x80; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string utf8;
        Utf8::append(utf8, cp);
        const std::string pair = reference.encode(static_cast<UChar>(cp));
        ASSERT_EQ(Cp949::fromUtf8(utf8 + "x"), (pair.empty() ? "?" : pair) + "x")
            << std::hex << static_cast<unsigned>(cp);
    }
}

TEST(Cp949Pairs, TheBytesThatOnceKilledTheHostGiveTheMarkAndKeepTheirNeighbours) {
    EXPECT_EQ(Cp949::toUtf8("Bad\xA2\xE8"), "Bad\xE3\x89\xBE");
    EXPECT_EQ(Cp949::toUtf8("\xA2\xE8x"), "\xE3\x89\xBEx");
    EXPECT_EQ(Cp949::toUtf8("\xA2\xE9x\xA2"), kReplaced + "x" + kReplaced);   // unassigned, then a lone lead
    EXPECT_EQ(Cp949::toUtf8("\xC9\xA1\xFE\xFE"), "\xEE\x80\x80\xEE\x82\xBB"); // U+E000, U+E0BB
    EXPECT_EQ(Cp949::fromUtf8("\xE3\x89\xBE\xEE\x80\x80"), "\xA2\xE8\xC9\xA1");
}

// Text by example: both ways, and cut to a room.
const std::string kHangulUtf8 = "\xEA\xB0\x80\xEC\x88\x98"; // "가수"
const std::string kHangulCp949 = "\xB0\xA1\xBC\xF6";

TEST(Cp949, ConvertsBothWaysAndNeverSwallowsTheByteAfterABadOne) {
    EXPECT_EQ(Cp949::fromUtf8(kHangulUtf8 + " Kesto"), kHangulCp949 + " Kesto");
    EXPECT_EQ(Cp949::toUtf8(kHangulCp949 + " Kesto"), kHangulUtf8 + " Kesto");
    // Bad bytes among good ones: every pair, in Cp949Pairs.
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
