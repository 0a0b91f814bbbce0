// The reply writer's encodings must come back unchanged through the panel's decoding, and the
// request reader must reject what the service cannot take.
#include "service/wire_reply.h"
#include "service/wire_request.h"
#include "service_client.h"

#include "platform/cp949.h"
#include "protocol/percent_encoder.h"

#include <gtest/gtest.h>

namespace kesto::service {
namespace {

using test::decodeField;
using test::splitRaw;

TEST(WireReplyTest, EveryTextSurvivesThePanelsDecoding) {
    const std::vector<std::string> values = {"",
                                             "plain",
                                             "Rain; Again",
                                             "100% love",
                                             "Null",
                                             "nuLL",
                                             "a\x0B"
                                             "b",
                                             "Tom &#38; Jerry",
                                             "&#",
                                             Cp949::fromUtf8("세미콜론; 그리고 %20"),
                                             Cp949::fromUtf8("하늘 바다"),
                                             " lead and trail ",
                                             "x;y;z"};
    WireReply reply;
    for (int round = 0; round < 3; ++round) // different positions choose different encodings
        for (const std::string& value : values)
            reply.text(value);
    const auto fields = splitRaw(reply.str());
    ASSERT_EQ(fields.size(), values.size() * 3);
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(decodeField(fields[i]), values[i % values.size()]) << "field " << i << ": " << fields[i];
}

TEST(WireReplyTest, EmptyTextsGoOutAsNullInVaryingCaseAndSomeValuesPercentEncoded) {
    WireReply reply;
    for (int i = 0; i < 10; ++i)
        reply.text("").text("two words");
    const auto fields = splitRaw(reply.str());
    std::set<std::string> nulls;
    bool encoded = false;
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        nulls.insert(fields[i]);
        encoded = encoded || fields[i + 1] == "two%20words";
    }
    EXPECT_GE(nulls.size(), 3u);
    for (const std::string& n : nulls)
        EXPECT_TRUE(n == "NULL" || decodeField(n).empty()) << n;
    EXPECT_TRUE(encoded);
    EXPECT_EQ(WireReply().text("").text("a b").str(), WireReply().text("").text("a b").str());
}

TEST(WireReplyTest, NumbersReadBackAndRawValuesAreUntouched) {
    WireReply reply;
    for (int i = 0; i < 8; ++i)
        reply.number(0).number(42);
    reply.raw("NO").raw("-3");
    const auto fields = splitRaw(reply.str());
    for (std::size_t i = 0; i + 1 < 16; i += 2) {
        EXPECT_EQ(test::decodeNumber(decodeField(fields[i])), 0);
        EXPECT_EQ(fields[i + 1], "42");
    }
    EXPECT_EQ(fields[16], "NO");
    EXPECT_EQ(fields[17], "-3");
}

TEST(WireReplyTest, PercentEncodingFollowsThePanelsCharacterClasses) {
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every += static_cast<char>(byte);
    EXPECT_EQ(WireReply::percentEncode(every), PercentEncoder::encode(every));
    EXPECT_EQ(WireReply::percentEncode("a b&c"), "a%20b%26c");
}

TEST(WireRequestTest, SplitsFieldsAndChecksCountAndEncoding) {
    const WireRequest body("id\x0Bkey\x0B"
                           "00101\x0B"
                           "2\x0B\x0B");
    EXPECT_EQ(body.size(), 5u);
    EXPECT_EQ(body.field(2), "00101");
    EXPECT_EQ(body.integer(3), 2);
    EXPECT_EQ(body.field(4), "");
    EXPECT_EQ(body.field(99), "");
    EXPECT_EQ(body.integer(2 + 2, -1), -1);
    EXPECT_FALSE(body.check(5).has_value());
    EXPECT_EQ(body.check(6), ServiceCode::TooFewFields);

    EXPECT_FALSE(WireRequest(Cp949::fromUtf8("아이디\x0Bkey\x0B")).check(2).has_value());
    EXPECT_EQ(WireRequest("id\x0Bk\xB0\x0B").check(2), ServiceCode::BadEncoding); // lead byte cut off
    EXPECT_EQ(WireRequest(std::string("id\x0Bk\0y\x0B", 6)).check(2), ServiceCode::BadEncoding);
    EXPECT_EQ(WireRequest("id\x0B\xFF\xFF\x0B").check(2), ServiceCode::BadEncoding);
}

TEST(WireRequestTest, PercentDecodingKeepsWhatIsNotAnEscape) {
    EXPECT_EQ(WireRequest::percentDecode("a%20b%2"), "a b%2");
    EXPECT_EQ(WireRequest::percentDecode("100%"), "100%");
    EXPECT_EQ(WireRequest::percentDecode("%zz%41"), "%zzA");
}

} // namespace
} // namespace kesto::service
