#include "platform/cp949.h"
#include "protocol/field_decoder.h"
#include "protocol/my_album_source.h"
#include "protocol/percent_encoder.h"
#include "protocol/reply_fields.h"
#include "tests/protocol/protocol_doubles.h"

#include "protocol/field_cursor.h"

#include <gtest/gtest.h>

#include <random>

namespace kesto {
namespace {

using test::vt;

std::string references(std::string_view field) {
    std::string scratch;
    return std::string(FieldDecoder::characterReferences(field, scratch));
}

std::string percent(std::string_view field) {
    std::string scratch;
    return std::string(FieldDecoder::percentDecode(field, scratch));
}

TEST(ReplyFields, SplitGivesOneMoreFieldThanSeparatorsAndEmptyBeyondTheEnd) {
    const ReplyFields fields(vt({"0", "a", ""}));
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields.code(), 0);
    EXPECT_EQ(fields.raw(1), "a");
    EXPECT_EQ(fields.raw(2), "");
    EXPECT_EQ(fields.raw(99), "");
    EXPECT_EQ(fields.number(99), 0);
    EXPECT_EQ(ReplyFields("").size(), 1u);
    EXPECT_EQ(ReplyFields::split("a;;b;", ';').size(), 4u);
}

TEST(ReplyFields, TextAppliesTheNullRuleAndPercentDecodingNumbersDoNot) {
    const ReplyFields fields(vt({"2", "NULL", "nUlL", "A%20B", "NULLX", "%41"}));
    EXPECT_EQ(fields.text(1), "");
    EXPECT_EQ(fields.text(2), "");
    EXPECT_EQ(fields.text(3), "A B");
    EXPECT_EQ(fields.text(4), "NULLX");
    EXPECT_EQ(fields.number(1), 0);
    EXPECT_EQ(fields.raw(5), "%41"); // raw keeps the escapes
}

TEST(FieldDecoder, CharacterReferencesLetSeparatorsTravelInsideAField) {
    EXPECT_EQ(references("a&#59;b&#59;c"), "a;b;c");
    EXPECT_EQ(references("&#11;"), "\x0b");
    EXPECT_EQ(references("x&#38;#59;y"), "x&#59;y"); // produced text is not scanned again
    EXPECT_EQ(references("&&#65;"), "&A");
    EXPECT_EQ(references("plain"), "plain");
}

TEST(FieldDecoder, MalformedReferencesStayAsTheyCame) {
    for (std::string_view bad : {"&#;", "&#", "&#12", "&#12a;", "&#-5;", "&#999999999;", "&#1114112;",
                                 "&#00000000000000065;", "& #65;"})
        EXPECT_EQ(references(bad), bad) << bad;
    EXPECT_EQ(references("a&#0;b"), "ab");
}

TEST(FieldDecoder, ReferencesAbove255BecomeCp949) {
    EXPECT_EQ(references("&#44032;"), Cp949::fromUtf8("가"));
    EXPECT_EQ(references("&#128512;"), "?"); // no CP949 form
    EXPECT_EQ(references("&#200;"), "\xC8");
}

TEST(FieldDecoder, PercentDecodingOnlyDecodesAndKeepsBadSequences) {
    EXPECT_EQ(percent("A%20B"), "A B");
    EXPECT_EQ(percent("%b0%A1"), "\xB0\xA1");
    EXPECT_EQ(percent("100%"), "100%");
    EXPECT_EQ(percent("%4"), "%4");
    EXPECT_EQ(percent("%zz%41"), "%zzA");
    EXPECT_EQ(percent("%%41"), "%A");
    EXPECT_EQ(percent("a%00b"), "a%00b"); // a NUL would silently cut the value
    EXPECT_EQ(percent("a b+c"), "a b+c"); // nothing else changes
}

TEST(FieldDecoder, ToIntReadsLikeAtoiAndSaturates) {
    EXPECT_EQ(FieldDecoder::toInt("42"), 42);
    EXPECT_EQ(FieldDecoder::toInt("  -7x"), -7);
    EXPECT_EQ(FieldDecoder::toInt("+3"), 3);
    EXPECT_EQ(FieldDecoder::toInt("abc"), 0);
    EXPECT_EQ(FieldDecoder::toInt(""), 0);
    EXPECT_EQ(FieldDecoder::toInt("2147483647"), 2147483647);
    EXPECT_EQ(FieldDecoder::toInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(FieldDecoder::toInt("-99999999999999999999"), -2147483647 - 1);
}

TEST(PercentEncoder, DecodingWhatWasEncodedGivesTheTextBack) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(percent(PercentEncoder::encode(all)), all);
}

// The my albums that hold a song: every pair the reply holds, never more than its count.
TEST(MyAlbumSource, ReadsThePairsTheCountNamesAndNothingForAnError) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {vt({"2", "7", "Road", "9", "Night%20Drive"}), {"7 Road", "9 Night Drive"}},
        {vt({"1", "7", "Road", "9", "Night"}), {"7 Road"}},
        {vt({"5", "7", "Road", "9"}), {"7 Road"}},
        {"0", {}},
        {"x", {}}};
    for (const auto& [reply, expected] : cases) {
        const auto albums = MyAlbumSource::read(ReplyFields(reply));
        ASSERT_TRUE(albums.has_value()) << reply;
        std::vector<std::string> read;
        for (const SourceAlbum& album : *albums)
            read.push_back(album.id + " " + album.name);
        EXPECT_EQ(read, expected) << reply;
    }
    EXPECT_FALSE(MyAlbumSource::read(ReplyFields(vt({"-1", "refused"}))).has_value());
}

// Random texts of the bytes that matter, each read by the cursor and decoded on the way,
// against the split and the table of decoded fields.
TEST(FieldCursor, ReadsAndDecodesLikeTheSplitAndTheFieldTable) {
    const std::string alphabet = "\x0b\x0b&#;%0129aFNULnul\xB0\x41\xFF";
    std::mt19937 rng(2024);
    FieldDecoder::Scratch scratch;
    for (int round = 0; round < 3000; ++round) {
        std::string text(rng() % 60, ' ');
        for (char& c : text)
            c = alphabet[rng() % alphabet.size()];
        if (round % 7 == 0 && !text.empty())
            text[rng() % text.size()] = '\0';
        const auto parts = ReplyFields::split(text, '\x0b');
        const ReplyFields table(text);
        FieldCursor cursor(text);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            ASSERT_TRUE(cursor.withinReach());
            const FieldCursor::Field field = cursor.next();
            ASSERT_EQ(field.text, parts[i]) << round;
            ASSERT_EQ(field.plain,
                      parts[i].find_first_of(std::string_view("&%\0", 3)) == std::string_view::npos);
            ASSERT_EQ(field.nul, parts[i].find('\0') != std::string_view::npos) << round;
            ASSERT_EQ(FieldDecoder::valueOf(field, scratch), table.text(i)) << round << " " << i;
            ASSERT_EQ(FieldDecoder::rawOf(field, scratch), table.raw(i)) << round << " " << i;
            ASSERT_EQ(FieldDecoder::numberOf(field, scratch), table.number(i));
        }
        EXPECT_TRUE(cursor.withinReach()); // just past the last field
        EXPECT_EQ(cursor.next().text, "");
        EXPECT_FALSE(cursor.withinReach());
    }
}

} // namespace
} // namespace kesto
