#include "dcf_bytes.h"
#include "library/dcf_header.h"

#include <gtest/gtest.h>

namespace kesto {
namespace {

using test::dcfBytes;

const std::string kHeaders = "Encryption-Method: AES128CBC;padding=RFC2630\r\n"
                             "Content-Name:  Spring Day \r\n"
                             "content-vendor: Kesto\r\n"
                             "Bitrate: 192\r\n";

TEST(DcfHeaderTest, ReadsTypeIdAndTextualHeaders) {
    const std::string bytes = dcfBytes("audio/mpeg", "cid:77@local", kHeaders, std::string(300, 'x'));
    const auto info = DcfHeader::parse(bytes, bytes.size());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->contentType, "audio/mpeg");
    EXPECT_EQ(info->contentId, "cid:77@local");
    EXPECT_EQ(info->title(), "Spring Day");
    EXPECT_EQ(info->header("Content-Vendor"), "Kesto");
    EXPECT_EQ(info->header("encryption-method"), "AES128CBC;padding=RFC2630");
    EXPECT_EQ(info->bitrate(), 192000);
    EXPECT_EQ(info->dataLength, 300u);
    EXPECT_TRUE(info->isLocal());
    EXPECT_FALSE(info->isBell());
}

TEST(DcfHeaderTest, MultiByteLengthsAndPrefixReads) {
    const std::string data(200000, 'd'); // needs a three-byte uintvar
    const std::string bytes = dcfBytes("audio/x-bell", "cid:9", "Bitrate: 128000\n", data);
    const auto info = DcfHeader::parse(std::string_view(bytes).substr(0, 64), bytes.size());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->dataLength, 200000u);
    EXPECT_EQ(info->bitrate(), 128000);
    EXPECT_FALSE(info->isLocal());
    EXPECT_TRUE(info->isBell());
}

TEST(DcfHeaderTest, RefusesWhatIsNotAWholeVersionOneFile) {
    const std::string good = dcfBytes("audio/mpeg", "cid:1", kHeaders, "data");
    EXPECT_FALSE(DcfHeader::parse(dcfBytes("audio/mpeg", "cid:1", kHeaders, "data", 2), good.size()));
    EXPECT_FALSE(DcfHeader::parse(good, good.size() - 1)) << "data shorter than declared";
    EXPECT_FALSE(DcfHeader::parse(std::string_view(good).substr(0, 20), good.size())) << "headers cut off";
    EXPECT_FALSE(DcfHeader::parse("", 0));
    EXPECT_FALSE(DcfHeader::parse(std::string("\x01\x00\x05", 3) + "cid:1" + std::string(2, '\0'), 10))
        << "no content type";
    // A uintvar that never ends, and one beyond 32 bits.
    for (const std::string& length : {std::string(6, '\xff'), std::string("\x9f\xff\xff\xff\x7f")})
        EXPECT_FALSE(DcfHeader::parse(std::string("\x01\x01\x01") + "ac" + length, 100)) << length.size();
    // Headers beyond the limit are refused rather than read.
    const std::string huge = dcfBytes("a", "c", std::string(DcfHeader::kMaxHeadersLength + 1, 'h'), "");
    EXPECT_FALSE(DcfHeader::parse(huge, huge.size()));
}

TEST(DcfHeaderTest, BitrateOnlyFromAPlausibleNumber) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, int>>{
             {"", 0}, {"abc", 0}, {"-5", 0}, {"128", 128000}, {"320000", 320000}, {"999999999999", 0}}) {
        const std::string bytes = dcfBytes("t", "u", "Bitrate: " + text + "\r\n", "");
        const auto info = DcfHeader::parse(bytes, bytes.size());
        ASSERT_TRUE(info);
        EXPECT_EQ(info->bitrate(), expected) << text;
    }
}

} // namespace
} // namespace kesto
